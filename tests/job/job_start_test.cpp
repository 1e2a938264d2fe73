// PrnInit and PrnInitESeries: header bytes, label-size and shift checks,
// and the state a job start leaves behind.
#include <gtest/gtest.h>

#include "platform/virtual_printers.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using StartTest = JobTest;

TEST_F(StartTest, WorkedExampleBuildsTheHeader) {
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
  EXPECT_TRUE(job().open);
  EXPECT_EQ(job().dotsPerMm, 8);
  EXPECT_EQ(job().maxWidthDots, 832);
  EXPECT_EQ(job().maxHeightDots, 8000);
  EXPECT_EQ(job().labelWidthDots, 800);
  EXPECT_EQ(job().labelHeightDots, 400);
  EXPECT_EQ(job().mediaOffsetDots, 32);
  EXPECT_EQ(job().shiftDots, 0);
  EXPECT_EQ(job().family, PrinterFamily::CL);
  EXPECT_EQ(job().settingsCommand, B("<ESC>CS4<ESC>#E3"));
  const std::string expected =
      "\x02\x1b\x41\x1b\x41\x52\x1b\x43\x53\x34\x1b\x23\x45\x33\x1b\x5a\x03"
      "\x02\x1b\x41";
  EXPECT_EQ(job().header, expected);
}

struct AreaCase {
  bool eSeries;
  double heightMm;
  const char* area;
};

class PrintAreaTest : public JobTest,
                      public ::testing::WithParamInterface<AreaCase> {};

TEST_P(PrintAreaTest, LongLabelsChooseTheLongAreaCommand) {
  const AreaCase& c = GetParam();
  const int result =
      c.eSeries ? PrnInitESeries(kPrinter, 3, 4, 100.0, c.heightMm, 0.0)
                : PrnInit(kPrinter, 3, 4, 100.0, c.heightMm, 0.0);
  ASSERT_EQ(result, 1);
  EXPECT_EQ(job().header, B(std::string("<STX><ESC>A<ESC>") + c.area +
                            "<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"));
  EXPECT_EQ(job().family == PrinterFamily::ESeries, c.eSeries);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, PrintAreaTest,
    ::testing::Values(AreaCase{false, 50.0, "AR"}, AreaCase{false, 200.0, "AX"},
                      AreaCase{true, 200.0, "EX0"}, AreaCase{true, 50.0, "AR"},
                      // exactly 178 mm (1424 dots) is still the short area
                      AreaCase{false, 178.0, "AR"},
                      AreaCase{false, 178.125, "AX"},  // 1425 dots
                      AreaCase{true, 178.0, "AR"}));

struct CheckCase {
  const char* what;
  double width, height, shift;
  int code;
  int labelWidthDots, labelHeightDots, mediaOffsetDots, shiftDots;
};

class StartChecksTest : public JobTest,
                        public ::testing::WithParamInterface<CheckCase> {};

TEST_P(StartChecksTest, LastFailingCheckDecidesAndJobOpens) {
  const CheckCase& c = GetParam();
  EXPECT_EQ(PrnInit(kPrinter, 3, 4, c.width, c.height, c.shift), c.code)
      << c.what;
  EXPECT_TRUE(job().open);
  EXPECT_EQ(job().labelWidthDots, c.labelWidthDots);
  EXPECT_EQ(job().labelHeightDots, c.labelHeightDots);
  EXPECT_EQ(job().mediaOffsetDots, c.mediaOffsetDots);
  EXPECT_EQ(job().shiftDots, c.shiftDots);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, StartChecksTest,
    ::testing::Values(
        CheckCase{"negative width", -1.0, 50.0, 0.0, 11, 832, 400, 0, 0},
        CheckCase{"too wide", 105.0, 50.0, 0.0, 11, 832, 400, 0, 0},
        CheckCase{"full width", 104.0, 50.0, 0.0, 1, 832, 400, 0, 0},
        CheckCase{"too long", 100.0, 1001.0, 0.0, 12, 800, 200, 32, 0},
        CheckCase{"negative height", 100.0, -5.0, 0.0, 12, 800, 200, 32, 0},
        CheckCase{"wide and long", 200.0, 1001.0, 0.0, 12, 832, 200, 0, 0},
        CheckCase{"wide and shifted", 200.0, 50.0, 60.0, 19, 832, 400, 0, 0},
        CheckCase{"half width shift", 100.0, 50.0, 52.0, 1, 800, 400, 32, 416},
        CheckCase{"one dot more", 100.0, 50.0, 52.125, 19, 800, 400, 32, 0},
        // -160 + 0.5 truncates toward zero
        CheckCase{"negative shift", 100.0, 50.0, -20.0, 1, 800, 400, 32, -159},
        CheckCase{"zero size", 0.0, 0.0, 0.0, 1, 0, 0, 832, 0}));

TEST_F(StartTest, TooLongLabelFallsBackTo200DotsAndShortArea) {
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 5000.0, 0.0), 12);
  EXPECT_EQ(job().header,
            B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"));
}

TEST_F(StartTest, DarknessAndSpeedAreWrittenUnchecked) {
  ASSERT_EQ(PrnInit(kPrinter, -1, 10, 100.0, 50.0, 0.0), 1);
  EXPECT_EQ(job().settingsCommand, B("<ESC>CS10<ESC>#E-1"));
}

TEST_F(StartTest, UnknownNullOrEmptyPrinterReturns3AndStaysClosed) {
  for (const char* name : {"", "vp", "No such printer"}) {
    EXPECT_EQ(PrnInit(name, 3, 4, 100.0, 50.0, 0.0), 3) << name;
    EXPECT_FALSE(job().open);
    EXPECT_EQ(job().printerName, name);
  }
  EXPECT_EQ(PrnInitESeries(nullptr, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_FALSE(job().open);
  EXPECT_EQ(job().printerName, "");
}

TEST_F(StartTest, NameIsTrimmedButCaseCounts) {
  EXPECT_EQ(PrnInit(" VP \t", 3, 4, 100.0, 50.0, 0.0), 1);
  EXPECT_EQ(job().printerName, " VP \t");  // the host's text is kept
  EXPECT_EQ(PrnInit("Vp", 3, 4, 100.0, 50.0, 0.0), 3);
}

TEST_F(StartTest, LowResolutionPrinterIsRefusedWith4) {
  ASSERT_TRUE(VirtualPrinters().Add("Coarse", 88, 104, 1000));
  EXPECT_EQ(PrnInit("Coarse", 3, 4, 100.0, 50.0, 0.0), 4);
  EXPECT_FALSE(job().open);
  EXPECT_EQ(job().dotsPerMm, 3);
  VirtualPrinters().Remove("Coarse");
  ASSERT_TRUE(VirtualPrinters().Add("Fine", 89, 104, 1000));
  EXPECT_EQ(PrnInit("Fine", 3, 4, 100.0, 50.0, 0.0), 1);
  EXPECT_EQ(job().dotsPerMm, 4);
  VirtualPrinters().Remove("Fine");
}

TEST_F(StartTest, BusyCountLeftAtOneTurnsAwayJobStartsUntouched) {
  OpenJob();
  ASSERT_EQ(PrnDrawLine(1, 1, 0, 1, 1), 1);
  const JobState before = job();
  job().busyCount = 1;
  EXPECT_EQ(PrnInit("Other", 3, 4, 10.0, 10.0, 0.0), 2);
  EXPECT_EQ(job().busyCount, 1);
  EXPECT_EQ(job().printerName, before.printerName);
  EXPECT_EQ(job().body, before.body);
  EXPECT_TRUE(job().open);
  EXPECT_EQ(PrnInitESeries(kPrinter, 3, 4, 10.0, 10.0, 0.0), 2);
  // Ending the open job clears the guard.
  PrnQty(1);
  EXPECT_EQ(PrnEnd(), 1);
  EXPECT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
}

TEST_F(StartTest, SecondStartDropsTheFirstJob) {
  OpenJob();
  PrnDrawLine(1, 1, 0, 1, 1);
  PrnQty(5);
  PrnCutter(2, 0, 0);
  ASSERT_EQ(PrnInitESeries(kPrinter, 1, 2, 100.0, 50.0, 0.0), 1);
  EXPECT_TRUE(job().body.empty());
  EXPECT_TRUE(job().quantityCommand.empty());
  EXPECT_TRUE(job().cutCommand.empty());
  PrnReverseImage(0, 0, 1, 1);
  PrnQty(1);
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(LastSentJob(),
            B("<STX><ESC>A<ESC>AR<ESC>CS2<ESC>#E1<ESC>Z<ETX><STX><ESC>A"
              "<ESC>%0<ESC>H32<ESC>V0<ESC>(8,8<ESC>Q1<ESC>Z<ETX>"));
}

TEST_F(StartTest, FailedStartDropsTheOpenJob) {
  OpenJob();
  PrnQty(1);
  EXPECT_EQ(PrnInit("missing", 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_FALSE(job().open);
  EXPECT_TRUE(job().quantityCommand.empty());
  EXPECT_EQ(PrnEnd(), 0);
  EXPECT_EQ(SentJobs(), 0);
}

}  // namespace
}  // namespace vxcl::test
