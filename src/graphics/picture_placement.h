// BMP and PCX pictures placed on the label as graphics.
#ifndef VXCL_GRAPHICS_PICTURE_PLACEMENT_H
#define VXCL_GRAPHICS_PICTURE_PLACEMENT_H

#include <optional>
#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// Both calls take the same arguments. rotation 0 to 3 goes to the printer;
// 90, 180 and 270 turn the picture counter-clockwise about its top-left
// corner, which stays at (x, y); anything else is 0 with code 7. width and
// height in millimetres scale the picture when both are non-zero.
//
// Checks, in order: no job (0), no name (nullopt: 48), no such file (49),
// rotation (7, a warning), a scaled size of no dots or more than 32767 (51),
// then a file that is not a readable picture (50). On 48 to 51 nothing is
// appended; for 50 and 51 VxclLastError says why.

// PrnDrawBMP: the picture is padded to whole bytes before it is turned.
Outcome AddBmpPicture(JobState& job, int rotation, double x, double y,
                      double width, double height,
                      std::optional<std::string_view> fileName);

// PrnDrawPCX: the picture is turned before it is padded.
Outcome AddPcxPicture(JobState& job, int rotation, double x, double y,
                      double width, double height,
                      std::optional<std::string_view> fileName);

}  // namespace vxcl

#endif
