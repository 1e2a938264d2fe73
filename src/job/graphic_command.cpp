#include "job/graphic_command.h"

#include <algorithm>
#include <climits>

#include "job/commands.h"
#include "job/element.h"

namespace vxcl {

namespace {

// Room for one part's rotation, positions and command header.
constexpr std::uint64_t kPartOverhead = 48;

std::string GraphicHeader(long long rowBytes, long long blocks) {
  return std::string{ESC} + "GB" + ZeroPadded(rowBytes, 3) +
         ZeroPadded(blocks, 3);
}

// The part of `bitmap` from byte column `column` and block `block`.
std::string PartCommand(const OneBitBitmap& bitmap, int column, int block,
                        int rowBytes, int blocks) {
  std::string command = GraphicHeader(rowBytes, blocks);
  command.reserve(command.size() + static_cast<std::size_t>(rowBytes) * 8 *
                                       static_cast<std::size_t>(blocks));
  for (int y = 8 * block; y < 8 * (block + blocks); ++y)
    command.append(reinterpret_cast<const char*>(bitmap.Row(y)) + column,
                   static_cast<std::size_t>(rowBytes));
  return command;
}

long long Parts(long long count, long long per) {
  return std::max(1LL, (count + per - 1) / per);
}

}  // namespace

std::string EncodeBitmapGraphic(const OneBitBitmap& bitmap) {
  const int bytesPerRow = bitmap.Width() / 8;
  std::string command = GraphicHeader(bytesPerRow, bitmap.Height() / 8);
  command.reserve(command.size() +
                  static_cast<std::size_t>(bytesPerRow) *
                      static_cast<std::size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* row = reinterpret_cast<const char*>(bitmap.Row(y));
    command.append(row, static_cast<std::size_t>(bytesPerRow));
  }
  return command;
}

Expected<std::string> GraphicElements(int direction, int h, int v,
                                      const OneBitBitmap& bitmap) {
  const int rowBytes = bitmap.Width() / 8, blocks = bitmap.Height() / 8;
  if (rowBytes <= kMaxGraphicRowBytes && blocks <= kMaxGraphicBlocks)
    return ElementText(direction, h, v, EncodeBitmapGraphic(bitmap));

  // The printer turns each part about its own point: a part whose top-left
  // pixel is (x, y) of the whole lies at that point moved by (x, y) turned
  // the same way.
  const int turn = direction >= 1 && direction <= 3 ? direction : 0;
  std::string text;
  for (int block = 0; block < blocks; block += kMaxGraphicBlocks) {
    for (int column = 0; column < rowBytes; column += kMaxGraphicRowBytes) {
      const long long x = 8LL * column, y = 8LL * block;
      long long partH = h + x, partV = v + y;
      if (turn == 1) partH = h + y, partV = v - x;
      if (turn == 2) partH = h - x, partV = v - y;
      if (turn == 3) partH = h - y, partV = v + x;
      if (partH != Saturated(partH) || partV != Saturated(partV))
        return Outcome(
            VXCL_GRAPHIC_UNPLACEABLE,
            "the graphic of " + std::to_string(bitmap.Width()) + " x " +
                std::to_string(bitmap.Height()) +
                " dots is sent in parts, and the part at (" +
                std::to_string(x) + ", " + std::to_string(y) +
                ") would lie at H " + std::to_string(partH) + ", V " +
                std::to_string(partV) +
                ", beyond the positions a command can name; nothing added");
      text += ElementText(
          direction, static_cast<int>(partH), static_cast<int>(partV),
          PartCommand(bitmap, column, block,
                      std::min(kMaxGraphicRowBytes, rowBytes - column),
                      std::min(kMaxGraphicBlocks, blocks - block)));
    }
  }
  return text;
}

std::uint64_t GraphicElementsBytes(long long width, long long height) {
  const long long rowBytes = std::max(0LL, width / 8);
  const long long blocks = std::max(0LL, height / 8);
  const auto parts = static_cast<std::uint64_t>(
      Parts(rowBytes, kMaxGraphicRowBytes) * Parts(blocks, kMaxGraphicBlocks));
  return static_cast<std::uint64_t>(rowBytes) *
             static_cast<std::uint64_t>(blocks) * 8 +
         parts * kPartOverhead;
}

}  // namespace vxcl
