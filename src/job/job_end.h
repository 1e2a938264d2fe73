// Closing a label job: quantity, cutting, and the job end that sends it.
#ifndef VXCL_JOB_JOB_END_H
#define VXCL_JOB_JOB_END_H

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

struct Platform;

// PrnQty: 0, 1 or 5.
Outcome SetQuantity(JobState& job, int quantity);

// PrnCutter: 0, 1 or 6.
Outcome SetCutter(JobState& job, int cutCount, int eSeriesCount,
                  int eSeriesFlag);

// PrnEnd: joins header, body, cut and quantity, closes the job, then submits
// the joined stream (so a job started by host code during the submission's
// wait stays open). Returns 0, 5 (no quantity: nothing sent), or the
// submission's outcome. With a batch open the stream joins the batch
// instead (no waits): VXCL_OK, or the batch's refusal with the job left
// open.
Outcome EndJob(JobState& job, const Platform& platform);

}  // namespace vxcl

#endif
