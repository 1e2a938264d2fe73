// Closing a label job: quantity, cutting, and the job end that sends it.
#ifndef VXCL_JOB_JOB_END_H
#define VXCL_JOB_JOB_END_H

#include "job/job_state.h"
#include "platform/platform.h"

namespace vxcl {

inline constexpr int kQuantityOutOfRange = 5;
inline constexpr int kNoQuantity = 5;
inline constexpr int kCutCountOutOfRange = 6;

// PrnQty: 0, 1 or 5.
int SetQuantity(JobState& job, int quantity);

// PrnCutter: 0, 1 or 6.
int SetCutter(JobState& job, int cutCount, int eSeriesCount, int eSeriesFlag);

// PrnEnd: joins header, body, cut and quantity, closes the job, then submits
// the joined stream (so a job started by host code during the submission's
// wait stays open). Returns 0, 5 (no quantity: nothing sent), or the
// submission's code; a failed submission's message is kept for
// VxclLastError.
int EndJob(JobState& job, const Platform& platform);

}  // namespace vxcl

#endif
