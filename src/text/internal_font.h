// Text in one of the printer's own bitmap fonts, named by its font command.
#ifndef VXCL_TEXT_INTERNAL_FONT_H
#define VXCL_TEXT_INTERNAL_FONT_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// PrnInternalFont: 0, 1, 7, 66, 67 or 68. The font code and the text go to
// the printer as they are.
Outcome AddInternalFontText(JobState& job, unsigned direction, double x,
                            double y, std::string_view fontCode, int hExpansion,
                            int vExpansion, int pitch, std::string_view text);

}  // namespace vxcl

#endif
