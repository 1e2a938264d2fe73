#include <gtest/gtest.h>

#include <string>

#include "barcode/barcode_job.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct Case {
  int direction;
  char type;
  int widths[4];
  int expansion;
  double height;
  const char* data;
  const char* element;  // in the notation of B()
  int code;
};

class PrnVariableBarcodeTest : public BarcodeJobTest {
 protected:
  void Run(const Case& c, bool cx208 = false) {
    if (cx208)
      OpenFullWidthCx208Job();
    else
      OpenFullWidthJob();
    EXPECT_EQ(PrnVariableBarcode(c.direction, 10.0, 5.0, c.type, c.widths[0],
                                 c.widths[1], c.widths[2], c.widths[3],
                                 c.expansion, c.height, c.data),
              c.code)
        << c.element;
    EXPECT_EQ(SentElements(), Show(B(c.element)));
  }
};

TEST_F(PrnVariableBarcodeTest, WorkedExampleAndDataRules) {
  const Case cases[] = {
      {0,
       '1',
       {2, 6, 2, 6},
       1,
       10,
       "ABC",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080*ABC*",
       1},
      // Code 39 framing always adds its characters.
      {0,
       '1',
       {2, 6, 2, 6},
       1,
       10,
       "*ABC*",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080**ABC**",
       1},
      {0,
       '1',
       {2, 6, 2, 6},
       1,
       10,
       nullptr,
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080**",
       1},
      {2,
       '2',
       {1, 3, 1, 3},
       12,
       20,
       "1234",
       "<ESC>%2<ESC>H80<ESC>V40<ESC>BT201030103<ESC>BW121601234",
       1},
      {0,
       '0',
       {99, 99, 99, 99},
       1,
       10,
       "A12B",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT099999999<ESC>BW01080A12B",
       1},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnVariableBarcodeTest, TypeSetDependsOnTheJob) {
  const Case five = {0,
                     '5',
                     {2, 6, 2, 6},
                     1,
                     10,
                     "12",
                     "<ESC>%0<ESC>H80<ESC>V40<ESC>BT502060206<ESC>BW0108012",
                     1};
  Run(five);
  const Case six = {0,
                    '6',
                    {2, 6, 2, 6},
                    1,
                    10,
                    "12",
                    "<ESC>%0<ESC>H80<ESC>V40<ESC>BT602060206<ESC>BW0108012",
                    1};
  Run(six);
  const char* error =
      "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080"
      "**ERROR BARCODE TYPE**";
  Run({0, '5', {2, 6, 2, 6}, 1, 10, "12", error, 32}, /*cx208=*/true);
  Run({0, '6', {2, 6, 2, 6}, 1, 10, "12", error, 32}, /*cx208=*/true);
  Run({0, '3', {2, 6, 2, 6}, 1, 10, "12", error, 32});
  Run({0, 'A', {2, 6, 2, 6}, 1, 10, "12", error, 32});
  const Case two = {0,
                    '2',
                    {2, 6, 2, 6},
                    1,
                    10,
                    "12",
                    "<ESC>%0<ESC>H80<ESC>V40<ESC>BT202060206<ESC>BW0108012",
                    1};
  Run(two, /*cx208=*/true);
}

TEST_F(PrnVariableBarcodeTest, CorrectsArgumentsAndTheLastFailingCheckDecides) {
  const Case cases[] = {
      {0,
       '1',
       {0, 6, 100, 6},
       1,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT101060106<ESC>BW01080*A*",
       36},
      {0,
       '1',
       {2, 6, 2, -1},
       1,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060201<ESC>BW01080*A*",
       36},
      {0,
       '1',
       {2, 6, 2, 6},
       0,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080*A*",
       37},
      {0,
       '1',
       {2, 6, 2, 6},
       13,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080*A*",
       37},
      {0,
       '1',
       {2, 6, 2, 6},
       1,
       75,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01600*A*",
       1},
      {0,
       '1',
       {2, 6, 2, 6},
       1,
       0,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080*A*",
       34},
      {-1,
       '1',
       {2, 6, 2, 6},
       1,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080*A*",
       7},
      // The order: direction, type, widths, expansion, height.
      {9,
       'Q',
       {2, 6, 2, 6},
       1,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080"
       "**ERROR BARCODE TYPE**",
       32},
      {0,
       'Q',
       {0, 6, 2, 6},
       1,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT101060206<ESC>BW01080"
       "**ERROR BARCODE TYPE**",
       36},
      {0,
       '1',
       {0, 6, 2, 6},
       0,
       10,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT101060206<ESC>BW01080*A*",
       37},
      {0,
       'Q',
       {2, 6, 2, 6},
       0,
       0,
       "A",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BT102060206<ESC>BW01080"
       "**ERROR BARCODE TYPE**",
       34},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnVariableBarcodeTest, NeedsAnOpenJob) {
  EXPECT_EQ(PrnVariableBarcode(0, 10.0, 5.0, '1', 2, 6, 2, 6, 1, 10.0, "A"), 0);
}

}  // namespace
}  // namespace vxcl::test
