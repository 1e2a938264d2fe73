// Text in the printer's scalable vector font.
#ifndef VXCL_TEXT_VECTOR_FONT_H
#define VXCL_TEXT_VECTOR_FONT_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// PrnVectorFont: 0, 1, 7, 64, 66, 69, 70 or 71. Sizes are in printer dots
// and written as given; the text goes to the printer as it is.
Outcome AddVectorFontText(JobState& job, unsigned direction, double x, double y,
                          char fontType, int hSize, int vSize, int variation,
                          int pitch, std::string_view text);

}  // namespace vxcl

#endif
