#include "job/job_limits.h"

namespace vxcl {

Outcome RoomInJob(const JobState& job, std::uint64_t bytes,
                  std::string_view what) {
  const std::uint64_t held = job.body.size();
  if (bytes <= kMaxJobBytes && held <= kMaxJobBytes - bytes) return VXCL_OK;
  return {VXCL_JOB_TOO_LARGE,
          std::string(what) + " would add " + std::to_string(bytes) +
              " bytes to the job's " + std::to_string(held) +
              ", more than the " + std::to_string(kMaxJobBytes) +
              " bytes (64 MiB) one job may hold; nothing added"};
}

}  // namespace vxcl
