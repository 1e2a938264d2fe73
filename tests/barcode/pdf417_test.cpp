#include "barcode/pdf417.h"

#include <gtest/gtest.h>

#include <string>

#include "barcode/barcode_job.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct Settings {
  int direction = 0;
  int variant = 0;
  int moduleWidth = 3;
  int rowHeight = 12;
  int securityLevel = 2;
  int columns = 0;
  int rows = 0;
};

class PrnPDF417Test : public BarcodeJobTest {
 protected:
  int Add(const Settings& s, const char* text) {
    return PrnPDF417(s.direction, 10.0, 5.0, s.variant, s.moduleWidth,
                     s.rowHeight, s.securityLevel, s.columns, s.rows, &text);
  }
};

TEST_F(PrnPDF417Test, WorkedExample) {
  OpenFullWidthJob();
  Settings s;
  s.variant = 1;
  EXPECT_EQ(Add(s, "ABC&h0D123"), 1);
  EXPECT_EQ(
      SentElements(),
      Show(B("<ESC>%0<ESC>H80<ESC>V40<ESC>BK0312200000007ABC<x0D>123,T")));
}

TEST_F(PrnPDF417Test, ConvertsControlEscapes) {
  struct Case {
    const char* data;
    const char* converted;  // in the notation of B()
  } cases[] = {
      {"&h01", "<x01>"},
      {"&H0d&h0A", "<x0D><x0A>"},
      {"&h1f&H1F", "<x1F><x1F>"},
      {"&h1B", "<ESC>"},
      // Not escapes: 0, 32 and above, non-hex digits, too short.
      {"&h00", "&h00"},
      {"&h20", "&h20"},
      {"&h1g", "&h1g"},
      {"&h1", "&h1"},
      {"&x01", "&x01"},
      {"&&h01h", "&<x01>h"},
      {"&h&h01", "&h<x01>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Show(ConvertControlEscapes(c.data)), Show(B(c.converted)))
        << c.data;
}

TEST_F(PrnPDF417Test, CorrectsSettingsAndTheLastFailingCheckDecides) {
  struct Case {
    Settings settings;
    const char* command;  // after the position, in the notation of B()
    int code;
  } cases[] = {
      {{0, 2, 9, 24, 8, 30, 40}, "<ESC>BK0924830400001A,M", 1},
      {{0, 0, 3, 4, 1, 0, 3}, "<ESC>BK0304100030001A", 1},
      {{0, 3, 3, 12, 2, 0, 0}, "<ESC>BK0312200000001A", 96},
      {{0, -1, 3, 12, 2, 0, 0}, "<ESC>BK0312200000001A", 96},
      {{0, 0, 2, 12, 2, 0, 0}, "<ESC>BK0312200000001A", 97},
      {{0, 0, 10, 12, 2, 0, 0}, "<ESC>BK0312200000001A", 97},
      {{0, 0, 3, 3, 2, 0, 0}, "<ESC>BK0304200000001A", 98},
      {{0, 0, 3, 25, 2, 0, 0}, "<ESC>BK0304200000001A", 98},
      {{0, 0, 3, 12, 0, 0, 0}, "<ESC>BK0312100000001A", 99},
      {{0, 0, 3, 12, 9, 0, 0}, "<ESC>BK0312100000001A", 99},
      {{0, 0, 3, 12, 2, -1, 0}, "<ESC>BK0312200000001A", 100},
      {{0, 0, 3, 12, 2, 31, 0}, "<ESC>BK0312200000001A", 100},
      {{0, 0, 3, 12, 2, 0, 1}, "<ESC>BK0312200000001A", 101},
      {{0, 0, 3, 12, 2, 0, 2}, "<ESC>BK0312200000001A", 101},
      {{0, 0, 3, 12, 2, 0, 41}, "<ESC>BK0312200000001A", 101},
      // The order: direction, variant, module width, row height, security
      // level, columns, rows.
      {{-1, 9, 3, 12, 2, 0, 0}, "<ESC>BK0312200000001A", 96},
      {{0, 9, 0, 0, 0, 99, 0}, "<ESC>BK0304100000001A", 100},
      {{0, 9, 0, 0, 0, 99, 2}, "<ESC>BK0304100000001A", 101},
  };
  for (const Case& c : cases) {
    OpenFullWidthJob();
    EXPECT_EQ(Add(c.settings, "A"), c.code) << c.command;
    EXPECT_EQ(SentElements(),
              Show(B(std::string("<ESC>%0<ESC>H80<ESC>V40") + c.command)));
  }
  OpenFullWidthJob();
  EXPECT_EQ(Add({4, 0, 3, 12, 2, 0, 0}, "A"), 7);
  EXPECT_EQ(Add({2, 0, 3, 12, 2, 0, 0}, "A"), 1);
  EXPECT_EQ(SentElements(),
            Show(B("<ESC>%0<ESC>H80<ESC>V40<ESC>BK0312200000001A"
                   "<ESC>%2<ESC>H80<ESC>V40<ESC>BK0312200000001A")));
}

TEST_F(PrnPDF417Test, DataLengthIsCheckedAfterConversion) {
  OpenFullWidthJob();
  const std::string most = std::string(2696, 'A') + "&h09&h0A&h0D&h1B";
  EXPECT_EQ(Add({}, most.c_str()), 1);
  const std::string over = std::string(2701, 'A');
  EXPECT_EQ(Add({}, over.c_str()), 102);
  // An escape counts as the one byte it becomes.
  const std::string escaped = std::string(2699, 'A') + "&h01&h01";
  EXPECT_EQ(Add({}, escaped.c_str()), 102);
  EXPECT_EQ(SentElements(),
            Show(B("<ESC>%0<ESC>H80<ESC>V40<ESC>BK0312200002700") +
                 std::string(2696, 'A') + B("<x09><x0A><x0D><ESC>")));
}

TEST_F(PrnPDF417Test, RefusesEmptyAndMissingDataWhateverTheSettings) {
  OpenFullWidthJob();
  EXPECT_EQ(Add({}, ""), 102);
  EXPECT_EQ(Add({9, 9, 0, 0, 0, 99, 2}, ""), 102);
  EXPECT_EQ(Add({}, nullptr), 102);
  EXPECT_EQ(PrnPDF417(0, 10.0, 5.0, 0, 3, 12, 2, 0, 0, nullptr), 102);
  EXPECT_EQ(SentElements(), "");
}

TEST_F(PrnPDF417Test, NeedsAnOpenJob) {
  EXPECT_EQ(Add({}, "A"), 0);
  EXPECT_EQ(PrnPDF417(0, 10.0, 5.0, 0, 3, 12, 2, 0, 0, nullptr), 0);
}

}  // namespace
}  // namespace vxcl::test
