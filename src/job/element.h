// The one path by which drawing calls add an element to the job body:
// rotation prefix, ESC "H" position, ESC "V" position, element command.
#ifndef VXCL_JOB_ELEMENT_H
#define VXCL_JOB_ELEMENT_H

#include <string>
#include <string_view>

#include "job/job_state.h"

namespace vxcl {

// Horizontal position in dots: converted millimetres plus the media offset
// and the shift (saturating, so no input overflows).
int HorizontalDots(const JobState& job, double mm);

// Vertical positions: converted millimetres, no offsets.
int VerticalDots(const JobState& job, double mm);

// Lengths and sizes: converted millimetres, no offsets.
int SizeDots(const JobState& job, double mm);

// The element's full text, ready to append.
std::string ElementText(int direction, int h, int v, std::string_view command);

// Appends one element to the job body. The text is built first, so a failed
// allocation leaves the body as it was. Throws JobFullError, nothing
// appended, when the job would pass kMaxJobBytes.
void AppendElement(JobState& job, int direction, int h, int v,
                   std::string_view command);

// The same for elements already made into text (ElementText, one or more).
void AppendElementText(JobState& job, std::string_view text);

}  // namespace vxcl

#endif
