// Text in the printer's AGFA raster font.
#ifndef VXCL_TEXT_AGFA_RASTER_FONT_H
#define VXCL_TEXT_AGFA_RASTER_FONT_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// PrnAGFARasterFont: 0, 1, 7, 64, 65, 66, 69 or 70. Sizes are in printer
// dots and written as given; the text goes to the printer as it is.
Outcome AddAgfaRasterFontText(JobState& job, unsigned direction, double x,
                              double y, char fontType, unsigned option,
                              int hSize, int vSize, int pitch,
                              std::string_view text);

}  // namespace vxcl

#endif
