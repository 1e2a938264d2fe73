// Which label jobs a script opens, fills and sends, followed call by call
// from the results, so that vxlabel can say which job was left open and
// which script lines made which bytes of a job.
#ifndef VXLABEL_JOB_TRACKER_H
#define VXLABEL_JOB_TRACKER_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script.h"

namespace vxlabel {

// A label job the script sent to a virtual printer.
struct SentJob {
  std::string printer;
  int index = 0;  // among the jobs the printer received
  const Call* start = nullptr;
  std::vector<const Call*> elements;  // the calls that add to the label
  const Call* end = nullptr;
};

bool IsJobStart(std::string_view name);

class JobTracker {
 public:
  // After each call, with its result. `printer` is the printer a job start
  // named, as called (after --printer).
  void Follow(const Call& call, int result, const std::string& printer);

  // The job start of a job still open; null when none is.
  const Call* OpenJobStart() const { return open_ ? open_->start : nullptr; }
  const std::vector<SentJob>& Sent() const { return sent_; }

 private:
  std::optional<SentJob> open_;
  std::vector<SentJob> sent_;
};

// Where each line's bytes lie in a sent job, found by sending the job start
// alone and with each element on a scratch virtual printer of the same
// metrics (an element's bytes do not depend on the others).
struct JobLayout {
  std::size_t headerEnd = 0;
  std::vector<std::size_t> elementEnds;  // one an element, ascending
};

// nullopt when the job start cannot be repeated there.
std::optional<JobLayout> ReplayLayout(const SentJob& job, int dotsPerInch,
                                      int maxWidthMm, int maxHeightMm);

// The line that made the byte at `offset` (-1: none, the job start's).
int LineOfOffset(const SentJob& job, const JobLayout& layout, long long offset);

}  // namespace vxlabel

#endif
