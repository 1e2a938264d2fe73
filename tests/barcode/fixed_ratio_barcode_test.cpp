#include <gtest/gtest.h>

#include <string>

#include "barcode/barcode_job.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

// At 10 mm, 5 mm on an 8 dots/mm job without offsets.
std::string At80And40(int rotation, const char* command) {
  return Show(
      B("<ESC>%" + std::to_string(rotation) + "<ESC>H80<ESC>V40" + command));
}

struct Case {
  int direction;
  char type;
  int ratio;
  int width;
  double height;
  const char* data;
  int rotation;         // of the element sent
  const char* command;  // after the position, in the notation of B()
  int code;
};

class PrnBarcodeTest : public BarcodeJobTest {
 protected:
  void Run(const Case& c) {
    OpenFullWidthJob();
    EXPECT_EQ(PrnBarcode(c.direction, 10.0, 5.0, c.type, c.ratio, c.width,
                         c.height, c.data),
              c.code)
        << "type " << c.type << " data " << (c.data ? c.data : "null");
    EXPECT_EQ(SentElements(), At80And40(c.rotation, c.command))
        << "type " << c.type << " data " << (c.data ? c.data : "null");
  }
};

TEST_F(PrnBarcodeTest, WorkedExamples) {
  const Case cases[] = {
      {0, '1', 2, 2, 15, "ABC123", 0, "<ESC>B102120*ABC123*", 1},
      {1, 'G', 1, 3, 10, "ABC123456", 1, "<ESC>DG03080>HABC>C123456", 1},
      {0, 'Z', 2, 2, 10, "123456", 0, "<ESC>BG02080>I123456", 1},
      {0, 'C', 3, 2, 10, "ABC", 0, "<ESC>BDC0208003ABC", 1},
      {0, 'Q', 5, 20, 100, "X", 0, "<ESC>B101080*ERROR BARCODE TYPE*", 32},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnBarcodeTest, PreparesTheDataOfEachType) {
  const Case cases[] = {
      // Code 39 start and stop characters, unless the data has them.
      {0, '1', 2, 2, 10, "*AB*", 0, "<ESC>B102080*AB*", 1},
      {0, '1', 2, 2, 10, "AB", 0, "<ESC>B102080*AB*", 1},
      {0, '1', 2, 2, 10, "*AB", 0, "<ESC>B102080*AB*", 1},
      {0, '1', 2, 2, 10, "AB*", 0, "<ESC>B102080*AB*", 1},
      {0, '1', 2, 2, 10, "", 0, "<ESC>B102080*", 1},
      {0, '1', 2, 2, 10, nullptr, 0, "<ESC>B102080*", 1},
      // Code 128 with a fixed start code is sent as type "G".
      {0, 'X', 2, 2, 10, "AB", 0, "<ESC>BG02080>GAB", 1},
      {0, 'Y', 2, 2, 10, "AB12", 0, "<ESC>BG02080>HAB12", 1},
      {0, 'G', 2, 2, 10, "", 0, "<ESC>BG02080>H", 1},
      // The other types send their data unchanged.
      {0, '0', 2, 2, 10, "A123B", 0, "<ESC>B002080A123B", 1},
      {0, '2', 2, 2, 10, "1234", 0, "<ESC>B2020801234", 1},
      {0, '3', 2, 2, 10, "12345678901", 0, "<ESC>B30208012345678901", 1},
      {0, '4', 2, 2, 10, "1234567", 0, "<ESC>B4020801234567", 1},
      {0, '5', 2, 2, 10, "12", 0, "<ESC>B50208012", 1},
      {0, '6', 2, 2, 10, "12", 0, "<ESC>B60208012", 1},
      {0, 'A', 2, 2, 10, "12", 0, "<ESC>BA0208012", 1},
      {0, 'E', 2, 2, 10, "123456", 0, "<ESC>BE02080123456", 1},
      {0, 'F', 2, 2, 10, "12", 0, "<ESC>BF0208012", 1},
      // Type letters are case-sensitive, and NUL is no type.
      {0, 'g', 2, 2, 10, "AB", 0, "<ESC>B102080*ERROR BARCODE TYPE*", 32},
      {0, '\0', 1, 2, 10, "AB", 0, "<ESC>B102080*ERROR BARCODE TYPE*", 32},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnBarcodeTest, TypeCSendsTheLengthWithAtLeastTwoDigits) {
  const std::string hundred(100, 'A');
  OpenFullWidthJob();
  EXPECT_EQ(PrnBarcode(0, 10.0, 5.0, 'C', 1, 2, 10.0, hundred.c_str()), 1);
  EXPECT_EQ(SentElements(),
            At80And40(0, ("<ESC>DC02080100" + hundred).c_str()));
  OpenFullWidthJob();
  EXPECT_EQ(PrnBarcode(0, 10.0, 5.0, 'C', 1, 2, 10.0, ""), 1);
  EXPECT_EQ(SentElements(), At80And40(0, "<ESC>DC0208000"));
}

TEST_F(PrnBarcodeTest, CorrectsArgumentsAndTheLastFailingCheckDecides) {
  const Case cases[] = {
      // Heights: 600 dots (75 mm) is accepted, 601 is not.
      {0, '1', 2, 2, 75.0, "A", 0, "<ESC>B102600*A*", 1},
      {0, '1', 2, 2, 75.1, "A", 0, "<ESC>B102080*A*", 34},
      {0, '1', 2, 2, 0.0, "A", 0, "<ESC>B102080*A*", 34},
      {0, '1', 2, 2, 0.0625, "A", 0, "<ESC>B102001*A*", 1},
      // Ratios and widths.
      {0, '1', 0, 2, 10, "A", 0, "<ESC>D102080*A*", 33},
      {0, '1', 4, 2, 10, "A", 0, "<ESC>D102080*A*", 33},
      {0, '1', 2, 0, 10, "A", 0, "<ESC>B101080*A*", 35},
      {0, '1', 2, 13, 10, "A", 0, "<ESC>B101080*A*", 35},
      {0, '1', 2, 12, 10, "A", 0, "<ESC>B112080*A*", 1},
      // Directions: negative and too large are 0.
      {-1, '1', 2, 2, 10, "A", 0, "<ESC>B102080*A*", 7},
      {4, '1', 2, 2, 10, "A", 0, "<ESC>B102080*A*", 7},
      {3, '1', 2, 2, 10, "A", 3, "<ESC>B102080*A*", 1},
      // The order: direction, ratio, height, width, type.
      {-1, '1', 9, 2, 10, "A", 0, "<ESC>D102080*A*", 33},
      {0, '1', 9, 2, 99, "A", 0, "<ESC>D102080*A*", 34},
      {0, '1', 2, 0, 99, "A", 0, "<ESC>B101080*A*", 35},
      {0, 'Q', 9, 2, 10, "A", 0, "<ESC>B102080*ERROR BARCODE TYPE*", 32},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnBarcodeTest, HorizontalPositionTakesTheMediaOffset) {
  OpenJob();  // media offset 32
  EXPECT_EQ(PrnBarcode(0, 10.0, 5.0, '1', 2, 2, 10.0, "A"), 1);
  EXPECT_EQ(SentElements(), Show(B("<ESC>%0<ESC>H112<ESC>V40<ESC>B102080*A*")));
}

TEST_F(PrnBarcodeTest, NeedsAnOpenJob) {
  EXPECT_EQ(PrnBarcode(0, 10.0, 5.0, '1', 2, 2, 10.0, "A"), 0);
  EXPECT_EQ(PrnBarcode(-1, 10.0, 5.0, 'Q', 9, 0, 0.0, "A"), 0);
}

}  // namespace
}  // namespace vxcl::test
