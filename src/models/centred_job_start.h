// The first steps of the CX208 and CT400 job starts: the shared job start,
// then a label centred across the print head.
#ifndef VXCL_MODELS_CENTRED_JOB_START_H
#define VXCL_MODELS_CENTRED_JOB_START_H

#include "job/job_state.h"
#include "job/result_code.h"
#include "platform/platform.h"

namespace vxcl {

// Runs the shared job start; on 2, 3 or 4 returns that code with the job
// closed. Otherwise opens the job with ApplyMediaOffset 1, converts and
// checks the label size (codes 11, 12 into `code`), sets MediaOffsetDots to
// half the printable width the label leaves free, and returns 1.
int BeginCentredJob(JobState& job, const Platform& platform,
                    const char* printerName, double labelWidth,
                    double labelHeight, CheckCode& code);

}  // namespace vxcl

#endif
