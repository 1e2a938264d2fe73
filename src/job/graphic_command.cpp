#include "job/graphic_command.h"

#include "job/commands.h"

namespace vxcl {

std::string EncodeBitmapGraphic(const OneBitBitmap& bitmap) {
  const int bytesPerRow = bitmap.Width() / 8;
  std::string command = std::string{ESC} + "GB" + ZeroPadded(bytesPerRow, 3) +
                        ZeroPadded(bitmap.Height() / 8, 3);
  command.reserve(command.size() +
                  static_cast<std::size_t>(bytesPerRow) *
                      static_cast<std::size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* row = reinterpret_cast<const char*>(bitmap.Row(y));
    command.append(row, static_cast<std::size_t>(bytesPerRow));
  }
  return command;
}

}  // namespace vxcl
