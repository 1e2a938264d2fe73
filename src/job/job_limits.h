// How large one job may grow. A job is held whole in memory and copied
// when it is sent, so its size is bounded before anything is drawn for it.
#ifndef VXCL_JOB_JOB_LIMITS_H
#define VXCL_JOB_JOB_LIMITS_H

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// The elements of one job take at most 64 MiB: eight pictures that each
// cover a whole 1000 mm label on a 600 dpi, 104 mm head (7.5 MB apiece)
// still fit, while one picture stretched to the largest size (134 MB) does
// not.
inline constexpr std::uint64_t kMaxJobBytes = std::uint64_t{64} << 20;

// Whether `bytes` more fit in the job; otherwise code 170 with a message
// that begins with `what` (the call and what it would add).
Outcome RoomInJob(const JobState& job, std::uint64_t bytes,
                  std::string_view what);

// Thrown by AppendElement when an element would take the job past the
// limit; the export's guard answers it with code 170 and nothing added.
class JobFullError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vxcl

#endif
