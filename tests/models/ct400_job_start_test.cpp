#include <gtest/gtest.h>

#include <string>

#include "model_bytes.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

// The arguments of the worked example; each test changes what it needs.
struct Ct400Args {
  const char* printer = kPrinter;
  char letter = 'A';
  int darkness = 3, speed = 4;
  int ph = 0, pm = 1, ye = 0, ig = 0, po = 0;
  double width = 100.0, height = 50.0, shift = 0.0;

  int Call() const {
    return PrnInitCT400(printer, letter, darkness, speed, ph, pm, ye, ig, po,
                        width, height, shift);
  }
};

using Ct400Test = JobTest;

// Centred like a CX208, but without its quantity limit.
TEST_F(Ct400Test, WorkedExampleSendsThe123ByteHeader) {
  ASSERT_EQ(Ct400Args{}.Call(), 1);
  ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);
  EXPECT_EQ(PrnQty(70000), 1);
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(Ct400JobHeader().size(), 123u);
  EXPECT_EQ(
      Show(LastSentJob()),
      Show(Ct400JobHeader() +
           B("<ESC>%0<ESC>H96<ESC>V160<ESC>FW02H0400<ESC>Q70000<ESC>Z<ETX>")));
}

TEST_F(Ct400Test, SettingsAreWrittenOrReplaced) {
  struct Case {
    Ct400Args args;
    const char* frame;
    int code;
  } cases[] = {
      {{.letter = 'F'}, "#E3F", 1},
      {{.letter = 'G'}, "#E3A", 10},
      {{.letter = 'a'}, "#E3A", 10},
      {{.letter = '\0'}, "#E3A", 10},
      {{.letter = '\xC1'}, "#E3A", 10},
      {{.letter = 'C', .darkness = 12}, "#E12C", 1},
      {{.darkness = -1, .speed = 10}, "CS10", 1},
      {{.pm = 0}, "PO3+00", 1},
      {{.pm = 0}, "PM0", 1},
      {{.pm = 2}, "PO0+00", 1},
      {{.pm = 3}, "PO0+00", 1},
      {{.pm = 4}, "PO0+00", 1},
      {{.pm = 4}, "PM4", 1},
      {{.pm = 5}, "PO3+00", 1},
      {{.pm = 6}, "PO3+00", 1},
      {{.pm = 7}, "PO1+00", 1},
      {{.pm = 8}, "PO1+00", 1},
      {{.pm = 9}, "PO2+00", 13},
      {{.pm = 9}, "PM1", 13},
      {{.pm = -1}, "PM1", 13},
      {{.po = -7}, "PO2-07", 1},
      {{.po = 99}, "PO2+99", 1},
      {{.po = -99}, "PO2-99", 1},
      {{.po = -100}, "PO2+19", 18},
      {{.po = 100}, "PO2+19", 18},
      {{.ye = 1}, "YE1", 1},
      {{.ye = 2}, "YE0", 8},
      {{.ig = 2}, "IG2", 1},
      {{.ig = 3}, "IG0", 14},
      {{.ph = 1}, "PH1", 1},
      {{.ph = -1}, "PH0", 9},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.args.Call(), c.code) << c.frame;
    const std::string sent = PrintedJob();
    EXPECT_TRUE(HasFrame(sent, c.frame)) << c.frame << " in " << Show(sent);
  }
}

TEST_F(Ct400Test, ChecksRunInTheirOwnOrder) {
  // 11, 12, 10, 13, 18, 8, 14, 9, 19: the last failing one decides.
  struct Case {
    Ct400Args args;
    int code;
  } cases[] = {
      {{.pm = 9, .ye = 2}, 8},
      {{.letter = 'x', .width = 200.0}, 10},
      {{.letter = 'x', .height = 2000.0}, 10},
      {{.letter = 'x', .pm = 9}, 13},
      {{.pm = 9, .po = 100}, 18},
      {{.ye = 2, .po = 100}, 8},
      {{.ye = 2, .ig = 3}, 14},
      {{.ph = 2, .ig = 3}, 9},
      {{.ph = 2, .shift = 60.0}, 19},
      {{.width = 200.0, .height = 2000.0}, 12},
  };
  for (const Case& c : cases) EXPECT_EQ(c.args.Call(), c.code);
}

TEST_F(Ct400Test, LabelSizeAndShiftAsForTheCx208) {
  Ct400Args longer;
  longer.height = 178.125;
  ASSERT_EQ(longer.Call(), 1);
  const std::string sent = PrintedJob();
  EXPECT_TRUE(HasFrame(sent, "EX0"));
  EXPECT_TRUE(HasFrame(sent, "A114250832"));

  Ct400Args tooLong;
  tooLong.height = -1.0;
  ASSERT_EQ(tooLong.Call(), 12);
  EXPECT_TRUE(HasFrame(PrintedJob(), "A102000832"));

  Ct400Args tooWide;
  tooWide.width = -3.0;
  ASSERT_EQ(tooWide.Call(), 11);
  EXPECT_EQ(PrintedLeftEdge(), 0);

  Ct400Args over;
  over.shift = 52.125;
  EXPECT_EQ(over.Call(), 19);
  EXPECT_EQ(PrintedLeftEdge(), 16);
}

TEST_F(Ct400Test, UnknownPrinterDropsTheOpenJob) {
  OpenJob();
  Ct400Args unknown;
  unknown.printer = "vp";  // letter case counts
  EXPECT_EQ(unknown.Call(), 3);
  EXPECT_EQ(PrnQty(1), 0);
}

}  // namespace
}  // namespace vxcl::test
