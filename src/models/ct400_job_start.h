// The job start of the CT400: print area, speed, darkness with its letter,
// origin, size and five printer settings, each in a frame of its own, ahead
// of the label.
#ifndef VXCL_MODELS_CT400_JOB_START_H
#define VXCL_MODELS_CT400_JOB_START_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

struct Platform;

struct Ct400Settings {
  char darknessLetter = 'A';  // "A" to "F", sent after the darkness
  int darkness = 0;
  int speed = 0;
  int ph = 0;
  int pm = 1;
  int ye = 0;
  int ig = 0;
  int po = 0;
};

// PrnInitCT400: 1, 2, 3, 4, or the last failing check in the order 11, 12,
// 10, 13, 18, 8, 14, 9, 19. The job is not a CX job.
Outcome OpenCt400Job(JobState& job, const Platform& platform,
                     std::string_view printerName,
                     const Ct400Settings& settings, double labelWidth,
                     double labelHeight, double shift);

}  // namespace vxcl

#endif
