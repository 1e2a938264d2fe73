#include "preview/font_cells.h"

namespace vxcl::preview {

namespace {

struct Entry {
  std::string_view command;
  BitmapFont font;
};

// Cells at 203 dpi (8 dots per mm).
constexpr Entry kFonts[] = {
    {"U", {5, 9, false, false}},    {"S", {8, 15, false, false}},
    {"M", {13, 20, false, false}},  {"XU", {5, 9, true, false}},
    {"XS", {17, 17, true, false}},  {"XM", {24, 24, true, false}},
    {"OA", {15, 22, false, false}}, {"OB", {20, 24, false, false}},
    {"WB", {18, 30, false, true}},  {"WL", {28, 52, false, true}},
    {"XB", {48, 48, true, true}},   {"XL", {48, 48, true, true}},
    {"XW", {48, 48, false, true}},
};

}  // namespace

std::optional<BitmapFont> FindBitmapFont(std::string_view command,
                                         int dotsPerMm) {
  for (const Entry& entry : kFonts) {
    if (entry.command != command) continue;
    BitmapFont font = entry.font;
    // OCR-A and OCR-B are redrawn for 305 and 609 dpi heads.
    const bool ocr = command == "OA" || command == "OB";
    if (ocr && dotsPerMm >= 20) {
      font.cellWidth = command == "OA" ? 44 : 60;
      font.cellHeight = command == "OA" ? 66 : 72;
    } else if (ocr && dotsPerMm >= 11) {
      font.cellWidth = command == "OA" ? 22 : 30;
      font.cellHeight = command == "OA" ? 33 : 36;
    }
    return font;
  }
  return std::nullopt;
}

}  // namespace vxcl::preview
