#include <gtest/gtest.h>

#include <string>

#include "model_bytes.h"
#include "platform/virtual_printers.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

// The arguments of the worked example; each test changes what it needs.
struct Cx208Args {
  const char* printer = kPrinter;
  int darkness = 3, speed = 4;
  int cp = 1, ci = 0, ce = 0, cd1 = 200, cd2 = 3300, cb = 0;
  double width = 100.0, height = 50.0, shift = 0.0;

  int Call() const {
    return PrnInitCX208(printer, darkness, speed, cp, ci, ce, cd1, cd2, cb,
                        width, height, shift);
  }
};

using Cx208Test = JobTest;

TEST_F(Cx208Test, WorkedExampleSendsThe124ByteHeaderAndCentresTheLabel) {
  ASSERT_EQ(Cx208Args{}.Call(), 1);
  ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);
  ASSERT_EQ(PrnQty(3), 1);
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(Cx208JobHeader().size(), 124u);
  // The centred label moves elements by half the free width: 80 + 16.
  EXPECT_EQ(
      Show(LastSentJob()),
      Show(Cx208JobHeader() +
           B("<ESC>%0<ESC>H96<ESC>V160<ESC>FW02H0400<ESC>Q3<ESC>Z<ETX>")));
  EXPECT_EQ(LastSentJobName(), "VP Job");
}

TEST_F(Cx208Test, SettingsAreWrittenOrReplaced) {
  struct Case {
    Cx208Args args;
    const char* frame;
    int code;
  } cases[] = {
      {{.cp = 0}, "CP0", 1},
      {{.cp = 5}, "CP1", 13},
      {{.cp = -1}, "CP1", 13},
      {{.ci = 2}, "CI2", 1},
      {{.ci = 3}, "CI0", 14},
      {{.ce = 1}, "CE1", 1},
      {{.ce = 2}, "CE0", 15},
      {{.cd1 = 7, .cd2 = 0}, "CD007,0000", 1},
      {{.cd1 = 400, .cd2 = 6000}, "CD400,6000", 1},
      {{.cd1 = 401}, "CD200,3300", 16},
      {{.cd1 = -1}, "CD200,3300", 16},
      {{.cd2 = 6001}, "CD200,3300", 17},
      {{.cd1 = 12, .cd2 = -5}, "CD012,3300", 17},
      {{.cb = -5}, "CB-5", 1},
      {{.cb = 98}, "CB+98", 1},
      {{.cb = -98}, "CB-98", 1},
      {{.cb = 99}, "CB+19", 18},
      {{.cb = -99}, "CB+19", 18},
      {{.darkness = -1, .speed = 10}, "CS10", 1},
      {{.darkness = -1, .speed = 10}, "#E-1", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.args.Call(), c.code) << c.frame;
    const std::string sent = PrintedJob();
    EXPECT_TRUE(HasFrame(sent, c.frame)) << c.frame << " in " << Show(sent);
  }
}

TEST_F(Cx208Test, LastFailingCheckDecidesTheCode) {
  struct Case {
    Cx208Args args;
    int code;
  } cases[] = {
      {{.cp = 5, .cb = 200}, 18},      {{.cp = 5, .ci = 9}, 14},
      {{.cd1 = 500, .cd2 = 7000}, 17}, {{.width = -1.0, .shift = 60.0}, 19},
      {{.cp = 5, .width = 200.0}, 13}, {{.width = 200.0, .height = 2000.0}, 12},
      {{.cb = 99, .shift = 53.0}, 19},
  };
  for (const Case& c : cases) EXPECT_EQ(c.args.Call(), c.code);
}

TEST_F(Cx208Test, LabelSizeSelectsAreaAndSizeCommands) {
  // 178 mm at 8 dots/mm is 1424 dots: still "AR"; one dot more is "EX0".
  Cx208Args exact;
  exact.height = 178.0;
  ASSERT_EQ(exact.Call(), 1);
  std::string sent = PrintedJob();
  EXPECT_TRUE(HasFrame(sent, "AR"));
  EXPECT_TRUE(HasFrame(sent, "A114240832"));

  Cx208Args longer;
  longer.height = 178.125;
  ASSERT_EQ(longer.Call(), 1);
  sent = PrintedJob();
  EXPECT_TRUE(HasFrame(sent, "A114250832"));
  EXPECT_TRUE(HasFrame(sent, "EX0"));
  EXPECT_FALSE(HasFrame(sent, "AR"));

  Cx208Args tooLong;
  tooLong.height = 1000.1;
  ASSERT_EQ(tooLong.Call(), 12);
  sent = PrintedJob();
  EXPECT_TRUE(HasFrame(sent, "A102000832"));
  EXPECT_TRUE(HasFrame(sent, "AR"));

  // The size command's width is fixed, whatever the label.
  Cx208Args tooWide;
  tooWide.width = 105.0;
  ASSERT_EQ(tooWide.Call(), 11);
  EXPECT_EQ(PrintedLeftEdge(), 0);
  EXPECT_TRUE(HasFrame(LastSentJob(), "A104000832"));
  EXPECT_EQ(LastSentLabel().labelWidthDots, 832);
}

TEST_F(Cx208Test, OddFreeWidthLosesItsHalfDot) {
  Cx208Args args;
  args.width = 100.125;  // 801 dots
  ASSERT_EQ(args.Call(), 1);
  EXPECT_EQ(PrintedLeftEdge(), 15);
}

TEST_F(Cx208Test, LongLabelSizeCarriesAllDigits) {
  // 300 dpi: 12 dots/mm, up to 12000 dots long.
  VirtualPrinters().Remove(kPrinter);
  ASSERT_TRUE(VirtualPrinters().Add(kPrinter, 300, 104, 1000));
  Cx208Args args;
  args.height = 850.0;  // 10200 dots
  EXPECT_EQ(args.Call(), 1);
  const std::string sent = PrintedJob();
  EXPECT_TRUE(HasFrame(sent, "A1102000832"));
  EXPECT_TRUE(HasFrame(sent, "EX0"));
}

TEST_F(Cx208Test, ShiftLimitIsHalfThePrintableWidth) {
  struct Case {
    double shift;
    int code, shiftDots;
  } cases[] = {
      {52.0, 1, 416},     // half of 832
      {52.125, 19, 0},    // 417 dots
      {-500.0, 1, -3999}  // -3999.5 truncated toward zero
  };
  for (const Case& c : cases) {
    Cx208Args args;
    args.shift = c.shift;
    EXPECT_EQ(args.Call(), c.code) << c.shift;
    EXPECT_EQ(PrintedLeftEdge(), 16 + c.shiftDots) << c.shift;
  }
}

TEST_F(Cx208Test, UnknownPrinterDropsTheOpenJob) {
  Cx208Args unknown;
  unknown.printer = "No such printer";
  Cx208Args null;
  null.printer = nullptr;
  for (const Cx208Args& args : {unknown, null}) {
    OpenJob();
    EXPECT_EQ(args.Call(), 3);
    EXPECT_EQ(PrnQty(1), 0);
  }
}

}  // namespace
}  // namespace vxcl::test
