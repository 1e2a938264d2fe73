// Lines, boxes and reversed areas: the printer draws them from one command.
#ifndef VXCL_GRAPHICS_LINES_H
#define VXCL_GRAPHICS_LINES_H

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// PrnDrawLine: 0, 1, 80 or 81.
Outcome AddLine(JobState& job, double x, double y, unsigned direction,
                int lineWidth, double length);

// PrnDrawBox: 0, 1 or 81.
Outcome AddBox(JobState& job, double x, double y, int lineWidth1,
               int lineWidth2, double boxWidth, double boxHeight);

// PrnReverseImage: 0 or 1.
Outcome AddReversedArea(JobState& job, double x, double y, double width,
                        double height);

}  // namespace vxcl

#endif
