// The job start of the CX208: five printer settings and the label's size
// and print settings, each in a frame of its own, ahead of the label.
#ifndef VXCL_MODELS_CX208_JOB_START_H
#define VXCL_MODELS_CX208_JOB_START_H

#include "job/job_state.h"
#include "models/cx_settings.h"
#include "platform/platform.h"

namespace vxcl {

// PrnInitCX208: 1, 2, 3, 4, or the last failing check of 11, 12, 13 to 18
// and 19. Marks the job as a CX job.
int InitCx208Job(JobState& job, const Platform& platform,
                 const char* printerName, int darkness, int speed,
                 const CxSettings& settings, double labelWidth,
                 double labelHeight, double shift);

}  // namespace vxcl

#endif
