// A job record as a CL job start leaves it, for code that adds elements
// without a printer: fuzz targets and benchmarks.
#ifndef VXCL_TESTS_OPEN_JOB_STATE_H
#define VXCL_TESTS_OPEN_JOB_STATE_H

#include "job/job_state.h"

namespace vxcl::test {

// A 100 x 50 mm label on a 203 dpi printer with a 104 mm head, 1000 mm long.
inline JobState OpenJobState() {
  JobState job;
  job.open = true;
  job.dotsPerMm = 8;
  job.maxWidthDots = 832;
  job.maxHeightDots = 8000;
  job.labelWidthDots = 800;
  job.labelHeightDots = 400;
  job.mediaOffsetDots = 32;
  return job;
}

}  // namespace vxcl::test

#endif
