#include <gtest/gtest.h>

#include "barcode/barcode_job.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

constexpr const char* kSeventeen = "12345678901234567";

struct Case {
  int direction;
  int width;
  int mode;
  double height;
  const char* data;
  const char* element;  // in the notation of B(); empty when refused
  int code;
};

class PrnUCC128Test : public BarcodeJobTest {
 protected:
  void Run(const Case& c) {
    OpenFullWidthJob();
    EXPECT_EQ(
        PrnUCC128(c.direction, 10.0, 5.0, c.width, c.mode, c.height, c.data),
        c.code)
        << c.element;
    EXPECT_EQ(SentElements(), Show(B(c.element)));
  }
};

TEST_F(PrnUCC128Test, WorkedExampleAndCorrections) {
  const Case cases[] = {
      {0, 2, 1, 10, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI02080112345678901234567", 1},
      {0, 2, 0, 75, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI02600012345678901234567", 1},
      {0, 2, 3, 10, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI02080212345678901234567", 38},
      {0, 2, -1, 10, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI02080212345678901234567", 38},
      {0, 13, 1, 10, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI01080112345678901234567", 35},
      {0, 2, 1, 80, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI02080112345678901234567", 34},
      {5, 2, 1, 10, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI02080112345678901234567", 7},
      // The order: direction, height, width, mode.
      {5, 2, 1, 80, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI02080112345678901234567", 34},
      {0, 0, 1, 80, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI01080112345678901234567", 35},
      {0, 0, 7, 80, kSeventeen,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BI01080212345678901234567", 38},
      // The characters are not checked.
      {1, 2, 2, 10, "ABCDEFGHIJKLMNOPQ",
       "<ESC>%1<ESC>H80<ESC>V40<ESC>BI020802ABCDEFGHIJKLMNOPQ", 1},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnUCC128Test, RefusesDataNotSeventeenBytesLong) {
  const Case cases[] = {
      {0, 2, 1, 10, "1234567890123456", "", 0},
      {0, 2, 1, 10, "123456789012345678", "", 0},
      {0, 2, 1, 10, "", "", 0},
      {0, 2, 1, 10, nullptr, "", 0},
      // The direction is checked first: its code is returned.
      {-1, 2, 1, 10, "1234567890123456", "", 7},
      // Later checks are not reached.
      {0, 0, 9, 0, "1234567890123456", "", 0},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnUCC128Test, NeedsAnOpenJob) {
  EXPECT_EQ(PrnUCC128(0, 10.0, 5.0, 2, 1, 10.0, kSeventeen), 0);
}

}  // namespace
}  // namespace vxcl::test
