#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "barcode/barcode_job.h"
#include "support/code128_interpreter.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct Case {
  const char* data;     // in the notation of B(), or null
  const char* element;  // in the notation of B(); empty when refused
  int code;
};

class PrnEAN128Test : public BarcodeJobTest {
 protected:
  void Run(const Case& c, int direction = 0, int width = 2,
           double height = 10.0) {
    OpenFullWidthJob();
    const std::string data = c.data ? B(c.data) : "";
    EXPECT_EQ(PrnEAN128(direction, 10.0, 5.0, width, height,
                        c.data ? data.c_str() : nullptr),
              c.code)
        << (c.data ? c.data : "null");
    EXPECT_EQ(SentElements(), Show(B(c.element))) << (c.data ? c.data : "null");
  }

  // The result for one group; a refusal sends no element.
  int Check(const std::string& data) {
    OpenFullWidthJob();
    const int code = PrnEAN128(0, 10.0, 5.0, 2, 10.0, data.c_str());
    const std::string sent = PrintedElements();
    if (code != 1) {
      EXPECT_EQ(sent, "") << data;
    }
    return code;
  }
};

TEST_F(PrnEAN128Test, WorkedExamples) {
  const Case cases[] = {
      {"(01)12345678901231(10)ABC123",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>I>F011234567890123110>DABC123", 1},
      {"(10)ABC(21)12345",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>H>F>C10>DABC>C>F211234>D5", 1},
      {"(01)1234567890123", "", 41},
      {"(17)99123A", "", 42},
      {"(05)1234", "", 40},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnEAN128Test, GroupsAndSeparators) {
  const Case cases[] = {
      // A separator after a variable-length value that is not the last.
      {"(10)AB(01)12345678901231",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>H>F>C10>DAB>C>F0112345678901231",
       1},
      {"(10)AB(21)CD",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>H>F>C10>DAB>C>F21>DCD", 1},
      // A range identifier is digits-only: the symbol starts in code set C.
      {"(3102)123456", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>I>F3102123456", 1},
      // A ")" in a value is not sent but counts in the length.
      {"(10)A)B", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>H>F>C10>DAB", 1},
      {"(20)1)", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>I>F20>D1", 1},
      // Text before the first "(" is ignored.
      {"GS1:(20)12", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>I>F2012", 1},
      // Control bytes in a value travel in code set A.
      {"(21)A<x1D>B",
       "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>H>F>C21>DA>E<x1D>>DB", 1},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnEAN128Test, DataFaultsAddNothing) {
  const Case cases[] = {
      {"(1)12", "", 40},
      {"(3950)1", "", 40},
      {"()12", "", 40},
      {"(ab)12", "", 40},
      // Range identifiers have four digits.
      {"(03102)123456", "", 40},
      // A digit fault wins over a length fault in the same group.
      {"(17)12A", "", 42},
      {"(3102)12345A", "", 42},
      // Checking stops at the first faulty group.
      {"(05)1(17)A", "", 40},
      {"(17)1(05)1", "", 41},
      {"(10)AB(17)1234567(05)", "", 41},
      // Data that cannot be split into groups.
      {"", "", 43},
      {nullptr, "", 43},
      {"0112345678901231", "", 43},
      {"(", "", 43},
      {"(10ABC", "", 43},
      {"(10)AB(21", "", 43},
      {"(10)AB(C", "", 43},
      // A fault before a malformed group is reported first.
      {"(05)AB(21", "", 40},
  };
  for (const Case& c : cases) Run(c);
}

TEST_F(PrnEAN128Test, ArgumentsAreCheckedOnlyForValidData) {
  Run({"(05)1", "", 40}, /*direction=*/-1, /*width=*/0, /*height=*/0.0);
  Run({"(20)12", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>I>F2012", 7}, -1);
  Run({"(20)12", "<ESC>%3<ESC>H80<ESC>V40<ESC>BG02080>I>F2012", 1}, 3);
  Run({"(20)12", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02600>I>F2012", 1}, 0, 2, 75);
  Run({"(20)12", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080>I>F2012", 34}, 4, 2, 76);
  Run({"(20)12", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG01080>I>F2012", 35}, 4, 13, 76);
  Run({"(20)12", "<ESC>%0<ESC>H80<ESC>V40<ESC>BG12080>I>F2012", 1}, 0, 12);
}

// Every identifier's rule, from the table of identifiers: fixed lengths
// accept exactly their length, variable ones up to their maximum, and
// digits-only values refuse a letter.
TEST_F(PrnEAN128Test, EachIdentifierHasItsRule) {
  struct Rule {
    std::vector<const char*> identifiers;
    bool fixed;
    bool digits;
    int length;
  };
  const Rule rules[] = {
      {{"00"}, true, true, 18},
      {{"01", "02"}, true, true, 14},
      {{"10", "21"}, false, false, 20},
      {{"11", "12", "13", "15", "17"}, true, true, 6},
      {{"20"}, true, true, 2},
      {{"22"}, false, false, 29},
      {{"230"}, false, true, 1},
      {{"231"}, false, true, 3},
      {{"232"}, false, true, 5},
      {{"233"}, false, true, 7},
      {{"234"}, false, true, 9},
      {{"235"}, false, true, 11},
      {{"236"}, false, true, 13},
      {{"237"}, false, true, 15},
      {{"238"}, false, true, 17},
      {{"239"}, false, true, 19},
      {{"240", "241", "250", "251", "400", "401", "403", "7002", "7030", "8003",
        "8004", "8007"},
       false,
       false,
       30},
      {{"30", "37"}, false, true, 8},
      {{"402"}, true, true, 17},
      {{"410", "411", "412", "413", "414", "415", "420", "7001"},
       true,
       true,
       13},
      {{"421"}, false, false, 12},
      {{"422", "424", "425", "426"}, true, true, 3},
      {{"423"}, true, true, 15},
      {{"8001"}, true, true, 14},
      {{"8002"}, true, true, 30},
      {{"8005", "8100"}, true, true, 6},
      {{"8006", "8018"}, true, true, 18},
      {{"8020"}, false, false, 25},
      {{"8101"}, true, false, 10},
      {{"8102"}, true, false, 2},
      {{"90", "91", "92", "93", "94", "95", "96", "97", "98", "99"},
       false,
       false,
       30},
      // The measure and amount ranges.
      {{"3100", "3169", "3200", "3379", "3400", "3579", "3600", "3699"},
       true,
       true,
       6},
      {{"3900", "3909", "3920", "3929"}, false, true, 15},
      {{"3910", "3919", "3930", "3939"}, false, true, 18},
  };
  int identifiers = 0;
  for (const Rule& rule : rules) {
    for (const char* id : rule.identifiers) {
      ++identifiers;
      const std::string group = std::string("(") + id + ")";
      const auto value = [](int n) { return std::string(n, '7'); };
      EXPECT_EQ(Check(group + value(rule.length)), 1) << id;
      EXPECT_EQ(Check(group + value(rule.length + 1)), 41) << id;
      EXPECT_EQ(Check(group + value(rule.length - 1)), rule.fixed ? 41 : 1)
          << id;
      EXPECT_EQ(Check(group + value(rule.length - 1) + "A"),
                rule.digits ? 42 : 1)
          << id;
    }
  }
  EXPECT_EQ(identifiers, 70 + 16);
  for (const char* outside :
       {"3099", "3170", "3199", "3380", "3399", "3580", "3599", "3700", "3899",
        "3940", "0", "000", "1", "19", "231A", "7003", "8019"})
    EXPECT_EQ(Check(std::string("(") + outside + ")1"), 40) << outside;
}

// Generated groups: whatever the values hold, the symbol carries the
// identifiers and values in order with FNC1 where a reader needs it.
TEST_F(PrnEAN128Test, SymbolsHoldTheGroupsAndTheirSeparators) {
  struct Group {
    const char* data;
    const char* content;  // as a reader shows it, <FNC1> for FNC1
  };
  const Group groups[] = {
      {"(01)12345678901231", "0112345678901231"},
      {"(10)A1234", "10A1234<FNC1>"},
      {"(21)12345", "2112345<FNC1>"},
      {"(3922)123", "3922123<FNC1>"},
      {"(17)991231", "17991231"},
      {"(240)x>a1", "240x>a1<FNC1>"},
  };
  for (const Group& a : groups)
    for (const Group& b : groups) {
      const std::string data = std::string(a.data) + b.data;
      OpenFullWidthJob();
      ASSERT_EQ(PrnEAN128(0, 10.0, 5.0, 2, 10.0, data.c_str()), 1) << data;
      const std::string prefix = B("<ESC>%0<ESC>H80<ESC>V40<ESC>BG02080");
      const std::string sent = PrintedElements();
      ASSERT_TRUE(sent.starts_with(prefix)) << Show(sent);
      const Code128Reading reading = ReadCode128(sent.substr(prefix.size()));
      EXPECT_EQ(reading.error, "") << data;
      std::string expected = std::string("<FNC1>") + a.content + b.content;
      // No separator after the last value.
      if (expected.ends_with("<FNC1>")) expected.resize(expected.size() - 6);
      EXPECT_EQ(ShowItems(reading.items), expected) << data;
    }
}

}  // namespace
}  // namespace vxcl::test
