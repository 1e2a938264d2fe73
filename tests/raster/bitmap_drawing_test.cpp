// Packed rows and rectangles set into a bitmap, clipped at its edges.
#include "raster/bitmap_drawing.h"

#include <gtest/gtest.h>

#include "support/pictures.h"

namespace vxcl {
namespace {

using test::Drawn;
using test::Picture;

TEST(OrPackedRow, PlacesAtAnyColumnAndClipsAtTheEdges) {
  // Ten source pixels: #.##....#.
  const std::uint8_t source[] = {0xB0, 0x80};
  struct Case {
    int x, y;
    const char* row1;  // row 1 of a 12 x 3 bitmap; rows 0 and 2 stay white
  } cases[] = {
      {0, 1, "#.##....#..."},  {3, 1, "...#.##....#"},  {8, 1, "........#.##"},
      {-2, 1, "##....#....."}, {-8, 1, "#..........."}, {-9, 1, "............"},
      {12, 1, "............"}, {11, 1, "...........#"},
  };
  for (const Case& c : cases) {
    OneBitBitmap bitmap(12, 3);
    OrPackedRow(bitmap, c.x, c.y, source, 10);
    EXPECT_EQ(bitmap, Drawn({"............", c.row1, "............"}))
        << c.x << "\n"
        << Picture(bitmap);
  }
}

TEST(OrPackedRow, KeepsWhatIsThereAndTheRowTailClear) {
  OneBitBitmap bitmap = Drawn({"#.........", ".........#"});
  const std::uint8_t full[] = {0xFF, 0xFF};
  OrPackedRow(bitmap, 4, 0, full, 16);  // runs past the width
  OrPackedRow(bitmap, 0, 2, full, 16);  // below the bitmap
  OrPackedRow(bitmap, 0, -1, full, 16);
  EXPECT_EQ(bitmap, Drawn({"#...######", ".........#"})) << Picture(bitmap);
  EXPECT_EQ(bitmap.Row(0)[1] & 0x3F, 0) << "bits beyond the width";
}

TEST(FillDark, ClipsToTheBitmap) {
  OneBitBitmap bitmap(10, 4);
  FillDark(bitmap, -2, 1, 5, 2);
  FillDark(bitmap, 7, -3, 9, 4);
  FillDark(bitmap, 4, 3, 0, 5);  // no width: nothing
  EXPECT_EQ(bitmap,
            Drawn({".......###", "###.......", "###.......", ".........."}))
      << Picture(bitmap);
  EXPECT_EQ(bitmap.Row(0)[1] & 0x3F, 0) << "bits beyond the width";
  OneBitBitmap wide(20, 1);
  FillDark(wide, 3, 0, 14, 1);
  EXPECT_EQ(wide, Drawn({"...##############..."})) << Picture(wide);
}

}  // namespace
}  // namespace vxcl
