// The job start of the CX208: five printer settings and the label's size
// and print settings, each in a frame of its own, ahead of the label.
#ifndef VXCL_MODELS_CX208_JOB_START_H
#define VXCL_MODELS_CX208_JOB_START_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"
#include "models/cx_settings.h"

namespace vxcl {

struct Platform;

// PrnInitCX208: 1, 2, 3, 4, or the last failing check of 11, 12, 13 to 18
// and 19. Marks the job as a CX job.
Outcome OpenCx208Job(JobState& job, const Platform& platform,
                     std::string_view printerName, int darkness, int speed,
                     const CxSettings& settings, double labelWidth,
                     double labelHeight, double shift);

}  // namespace vxcl

#endif
