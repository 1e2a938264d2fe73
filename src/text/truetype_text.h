// Text in any installed font, drawn at the printer's dot scale into a
// one-bit bitmap and sent as a graphic.
#ifndef VXCL_TEXT_TRUETYPE_TEXT_H
#define VXCL_TEXT_TRUETYPE_TEXT_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

class FontRasterizer;

// The widest and tallest text bitmap drawn; larger texts are refused.
inline constexpr int kMaxTextSide = 32767;

struct TrueTypeTextArgs {
  int rotation = 0;  // 0..3: the printer's; 90, 180, 270: turned here
  double x = 0, y = 0;
  std::string_view fontName = {};  // empty: the default sans face
  int fontSize = 0;           // points at 96 pixels per inch
  int charWidth = 0, charHeight = 0;
  int weight = 0;  // hundreds: 4 normal, 7 bold, 0 the face's default
  int italic = 0, underline = 0, strikeOut = 0;  // low bytes count
  int alignMode = 0;
  double alignOffset = 0;
  std::string_view text = {};
};

// PrnTrueTypeFont: appends rotation, position and the text's graphic.
//
// The sum of the turn (1..3 quarters) and the style arguments chooses the
// rendering: 0 or less draws plain text at normal weight, unturned, with
// the styles left out; 1 or more applies them. Turned text keeps its
// top-left corner at (x, y); where that moves the graphic above the
// label's top or left of its left edge, the part outside is cut and the
// position written is 0. Bitmaps are padded with one to eight blank
// columns and rows. alignMode 1 to 3 place the text at the label's left
// edge, centred on the label, or flush with the printer's right edge.
//
// Returns 0 (no job), 7 (rotation not 0..3, 90, 180 or 270: 0 used) or 1;
// 31 with nothing appended when there is no font system, the font system
// fails, or the text is too large to draw.
Outcome AddTrueTypeText(JobState& job, FontRasterizer* fonts,
                        const TrueTypeTextArgs& args);

}  // namespace vxcl

#endif
