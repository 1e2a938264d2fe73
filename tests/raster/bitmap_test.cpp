#include "raster/bitmap.h"

#include <gtest/gtest.h>

#include "job/graphic_command.h"
#include "support/bytes.h"
#include "support/pictures.h"

namespace vxcl {
namespace {

using test::B;
using test::Drawn;
using test::Picture;

TEST(OneBitBitmap, StartsWhiteAndPacksLeftmostPixelInBitSeven) {
  OneBitBitmap bitmap(12, 2);
  EXPECT_EQ(bitmap.BytesPerRow(), 2u);
  bitmap.SetDark(0, 0, true);
  bitmap.SetDark(9, 1, true);
  EXPECT_EQ(bitmap.Row(0)[0], 0x80);
  EXPECT_EQ(bitmap.Row(1)[1], 0x40);
  bitmap.SetDark(0, 0, false);
  EXPECT_EQ(bitmap.Row(0)[0], 0x00);
  EXPECT_THROW(OneBitBitmap(-1, 3), std::invalid_argument);
}

TEST(OneBitBitmap, ResizeKeepsTopLeftAndAddsWhite) {
  OneBitBitmap bitmap = Drawn({"###", "#.#"});
  bitmap.Resize(5, 3);
  EXPECT_EQ(bitmap, Drawn({"###..", "#.#..", "....."})) << Picture(bitmap);
  // Growing back after a shrink must not bring the cut pixels back.
  bitmap.Resize(2, 1);
  bitmap.Resize(9, 2);
  EXPECT_EQ(bitmap, Drawn({"##.......", "........."})) << Picture(bitmap);
}

TEST(PaddedSide, AlwaysAddsOneToEight) {
  EXPECT_EQ(PaddedSide(16), 24);
  EXPECT_EQ(PaddedSide(17), 24);
  EXPECT_EQ(PaddedSide(23), 24);
  EXPECT_EQ(PaddedSide(24), 32);
  EXPECT_EQ(PaddedSide(0), 8);
}

TEST(EncodeBitmapGraphic, SizesThenRawRows) {
  OneBitBitmap topLeft(8, 8);
  topLeft.SetDark(0, 0, true);
  EXPECT_EQ(EncodeBitmapGraphic(topLeft),
            B("<ESC>GB001001<x80><NUL><NUL><NUL><NUL><NUL><NUL><NUL>"));

  OneBitBitmap blank(16, 8);
  EXPECT_EQ(EncodeBitmapGraphic(blank),
            B("<ESC>GB002001") + std::string(16, '\0'));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) blank.SetDark(x, y, true);
  EXPECT_EQ(EncodeBitmapGraphic(blank),
            B("<ESC>GB002001") + std::string(16, '\xFF'));

  EXPECT_EQ(EncodeBitmapGraphic(OneBitBitmap(0, 0)), B("<ESC>GB000000"));
}

TEST(EncodeBitmapGraphic, SendsControlBytesUnchanged) {
  OneBitBitmap bitmap(32, 8);
  const std::uint8_t bytes[] = {0x00, 0x02, 0x03, 0x1B};
  for (int i = 0; i < 4; ++i) bitmap.Row(0)[i] = bytes[i];
  const std::string command = EncodeBitmapGraphic(bitmap);
  EXPECT_EQ(command.substr(0, 13), B("<ESC>GB004001<NUL><STX><ETX><ESC>"));
  EXPECT_EQ(command.size(), 9u + 32u);
}

TEST(EncodeBitmapGraphic, WideAndUnevenBitmaps) {
  // 8000 pixels: four digits, without a clamp.
  EXPECT_EQ(EncodeBitmapGraphic(OneBitBitmap(8000, 8)).substr(0, 10),
            B("<ESC>GB1000001"));
  // 12 pixels: one byte a row, the right four pixels dropped.
  OneBitBitmap uneven(12, 8);
  uneven.SetDark(0, 0, true);
  uneven.SetDark(11, 0, true);
  EXPECT_EQ(EncodeBitmapGraphic(uneven),
            B("<ESC>GB001001<x80>") + std::string(7, '\0'));
}

}  // namespace
}  // namespace vxcl
