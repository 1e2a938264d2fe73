#include <gtest/gtest.h>

#include <string>

#include "barcode/barcode_job.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct Settings {
  int direction = 0;
  int formatId = 1;
  int eccLevel = 20;
  int cellWidth = 4;
  int cellHeight = 4;
  int symbolFlag = 0;
  int symbolOption = 1;
};

class PrnDataMatrixTest : public BarcodeJobTest {
 protected:
  int Add(const Settings& s, const char* text) {
    return PrnDataMatrix(s.direction, 10.0, 5.0, s.formatId, s.eccLevel,
                         s.cellWidth, s.cellHeight, s.symbolFlag,
                         s.symbolOption, &text);
  }
};

TEST_F(PrnDataMatrixTest, WorkedExample) {
  OpenFullWidthJob();
  EXPECT_EQ(Add({}, "HELLO"), 1);
  EXPECT_EQ(SentElements(), Show(B("<ESC>%0<ESC>H80<ESC>V40"
                                   "<ESC>BX01200404000000001<ESC>DCHELLO")));
}

TEST_F(PrnDataMatrixTest, CorrectsSettingsAndTheLastFailingCheckDecides) {
  struct Case {
    Settings settings;
    const char* settingsCommand;  // in the notation of B()
    int code;
  } cases[] = {
      {{0, 16, 20, 4, 4, 0, 1}, "<ESC>BX16200404000000001", 1},
      {{0, 26, 0, 12, 3, 1, 15}, "<ESC>BX26001203000000115", 1},
      {{0, 123456, 5, 3, 3, 0, 1}, "<ESC>BX123456050303000000001", 1},
      {{0, 7, 20, 4, 4, 0, 1}, "<ESC>BX01200404000000001", 112},
      {{0, 10, 20, 4, 4, 0, 1}, "<ESC>BX01200404000000001", 112},
      {{0, 0, 20, 4, 4, 0, 1}, "<ESC>BX01200404000000001", 112},
      {{0, -1, 20, 4, 4, 0, 1}, "<ESC>BX01200404000000001", 112},
      {{0, -11, 20, 4, 4, 0, 1}, "<ESC>BX01200404000000001", 112},
      {{0, 1, 12, 4, 4, 0, 1}, "<ESC>BX01000404000000001", 113},
      {{0, 1, 8, 4, 4, 0, 1}, "<ESC>BX01080404000000001", 1},
      {{0, 1, 14, 4, 4, 0, 1}, "<ESC>BX01140404000000001", 1},
      {{0, 1, 10, 13, 2, 0, 1}, "<ESC>BX01100303000000001", 114},
      {{0, 1, 20, 4, 4, 255, 1}, "<ESC>BX01200404000000101", 1},
      // Only the low byte of the flag counts.
      {{0, 1, 20, 4, 4, 256, 1}, "<ESC>BX01200404000000001", 1},
      {{0, 1, 20, 4, 4, 0, 0}, "<ESC>BX01200404000000001", 115},
      {{0, 1, 20, 4, 4, 0, 16}, "<ESC>BX01200404000000001", 115},
      // The order: direction, format, level, cell sizes, option.
      {{-1, 7, 20, 4, 4, 0, 1}, "<ESC>BX01200404000000001", 112},
      {{-1, 7, 12, 4, 4, 0, 1}, "<ESC>BX01000404000000001", 113},
      {{-1, 7, 12, 2, 4, 0, 1}, "<ESC>BX01000304000000001", 114},
      {{-1, 7, 12, 2, 4, 0, 99}, "<ESC>BX01000304000000001", 115},
      {{5, 1, 20, 4, 4, 0, 1}, "<ESC>BX01200404000000001", 7},
  };
  for (const Case& c : cases) {
    OpenFullWidthJob();
    EXPECT_EQ(Add(c.settings, "A"), c.code) << c.settingsCommand;
    EXPECT_EQ(SentElements(), Show(B(std::string("<ESC>%0<ESC>H80<ESC>V40") +
                                     c.settingsCommand + "<ESC>DCA")));
  }
}

TEST_F(PrnDataMatrixTest, SendsTheDataAsItIs) {
  OpenFullWidthJob();
  Settings s;
  s.direction = 1;
  EXPECT_EQ(Add(s, "A&h0DB\t"), 1);
  EXPECT_EQ(SentElements(),
            Show(B("<ESC>%1<ESC>H80<ESC>V40"
                   "<ESC>BX01200404000000001<ESC>DCA&h0DB<x09>")));
}

TEST_F(PrnDataMatrixTest, DataLengthIsOneTo500Bytes) {
  OpenFullWidthJob();
  const std::string most(500, 'A');
  EXPECT_EQ(Add({}, most.c_str()), 1);
  const std::string over(501, 'A');
  EXPECT_EQ(Add({}, over.c_str()), 116);
  EXPECT_EQ(Add({9, 7, 12, 2, 4, 0, 99}, ""), 116);
  EXPECT_EQ(Add({}, nullptr), 116);
  EXPECT_EQ(PrnDataMatrix(0, 10.0, 5.0, 1, 20, 4, 4, 0, 1, nullptr), 116);
  EXPECT_EQ(
      SentElements(),
      Show(B("<ESC>%0<ESC>H80<ESC>V40<ESC>BX01200404000000001<ESC>DC") + most));
}

TEST_F(PrnDataMatrixTest, NeedsAnOpenJob) {
  EXPECT_EQ(Add({}, "A"), 0);
  EXPECT_EQ(PrnDataMatrix(0, 10.0, 5.0, 1, 20, 4, 4, 0, 1, nullptr), 0);
}

}  // namespace
}  // namespace vxcl::test
