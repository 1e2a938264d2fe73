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

// PrnEnd: joins header, body, cut and quantity, submits them and closes the
// job. Returns 0, 5 (no quantity: nothing sent), or the submission's code;
// a failed submission's message is kept for VxclLastError and the job is
// closed all the same.
int EndJob(JobState& job, const Platform& platform);

}  // namespace vxcl

#endif
