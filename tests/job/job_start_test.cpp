// PrnInit and PrnInitESeries: header bytes, label-size and shift checks,
// and what a job start does to the job in progress.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/virtual_printers.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct AreaCase {
  bool eSeries;
  double heightMm;
  const char* area;
  int code;
};

class PrintAreaTest : public JobTest,
                      public ::testing::WithParamInterface<AreaCase> {};

TEST_P(PrintAreaTest, LongLabelsChooseTheLongAreaCommand) {
  const AreaCase& c = GetParam();
  const int result =
      c.eSeries ? PrnInitESeries(kPrinter, 3, 4, 100.0, c.heightMm, 0.0)
                : PrnInit(kPrinter, 3, 4, 100.0, c.heightMm, 0.0);
  ASSERT_EQ(result, c.code);
  EXPECT_EQ(PrintedJob(), B(std::string("<STX><ESC>A<ESC>") + c.area +
                            "<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
                            "<ESC>Q1<ESC>Z<ETX>"));
}

INSTANTIATE_TEST_SUITE_P(
    Areas, PrintAreaTest,
    ::testing::Values(AreaCase{false, 50.0, "AR", 1},
                      AreaCase{false, 200.0, "AX", 1},
                      AreaCase{true, 200.0, "EX0", 1},
                      AreaCase{true, 50.0, "AR", 1},
                      // exactly 178 mm (1424 dots) is still the short area
                      AreaCase{false, 178.0, "AR", 1},
                      AreaCase{false, 178.125, "AX", 1},  // 1425 dots
                      AreaCase{true, 178.0, "AR", 1},
                      // too long: 200 dots, whatever the resolution
                      AreaCase{false, 5000.0, "AR", 12}));

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
  EXPECT_EQ(PrintedLeftEdge(), c.mediaOffsetDots + c.shiftDots) << c.what;
  // The label the job describes (and its preview draws).
  const LabelLayout l = LastSentLabel();
  EXPECT_EQ(std::tie(l.dotsPerMm, l.headWidthDots, l.labelWidthDots,
                     l.labelLengthDots, l.labelLeftDots),
            std::make_tuple(8, 832, c.labelWidthDots, c.labelHeightDots,
                            c.mediaOffsetDots))
      << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, StartChecksTest,
    ::testing::Values(
        CheckCase{"worked example", 100.0, 50.0, 0.0, 1, 800, 400, 32, 0},
        CheckCase{"negative width", -1.0, 50.0, 0.0, 11, 832, 400, 0, 0},
        CheckCase{"too wide", 105.0, 50.0, 0.0, 11, 832, 400, 0, 0},
        CheckCase{"full width", 104.0, 50.0, 0.0, 1, 832, 400, 0, 0},
        CheckCase{"longest", 100.0, 1000.0, 0.0, 1, 800, 8000, 32, 0},
        CheckCase{"too long", 100.0, 1001.0, 0.0, 12, 800, 200, 32, 0},
        CheckCase{"negative height", 100.0, -5.0, 0.0, 12, 800, 200, 32, 0},
        CheckCase{"wide and long", 200.0, 1001.0, 0.0, 12, 832, 200, 0, 0},
        CheckCase{"wide and shifted", 200.0, 50.0, 60.0, 19, 832, 400, 0, 0},
        CheckCase{"half width shift", 100.0, 50.0, 52.0, 1, 800, 400, 32, 416},
        CheckCase{"one dot more", 100.0, 50.0, 52.125, 19, 800, 400, 32, 0},
        // -160 + 0.5 truncates toward zero
        CheckCase{"negative shift", 100.0, 50.0, -20.0, 1, 800, 400, 32, -159},
        CheckCase{"zero size", 0.0, 0.0, 0.0, 1, 0, 0, 832, 0}));

using StartTest = JobTest;

TEST_F(StartTest, DarknessAndSpeedAreWrittenUnchecked) {
  ASSERT_EQ(PrnInit(kPrinter, -1, 10, 100.0, 50.0, 0.0), 1);
  EXPECT_EQ(PrintedJob(), B("<STX><ESC>A<ESC>AR<ESC>CS10<ESC>#E-1<ESC>Z<ETX>"
                            "<STX><ESC>A<ESC>Q1<ESC>Z<ETX>"));
}

TEST_F(StartTest, UnknownNullOrEmptyPrinterReturns3AndDropsTheOpenJob) {
  for (const char* name : {"", "vp", "No such printer"}) {
    OpenJob();
    EXPECT_EQ(PrnInit(name, 3, 4, 100.0, 50.0, 0.0), 3) << name;
    EXPECT_EQ(PrnQty(1), 0) << name;
  }
  EXPECT_EQ(PrnInitESeries(nullptr, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(PrnEnd(), 0);
  EXPECT_EQ(SentJobs(), 0);
}

TEST_F(StartTest, LowResolutionPrinterIsRefusedWith4) {
  ASSERT_TRUE(VirtualPrinters().Add("Coarse", 88, 104, 1000));
  EXPECT_EQ(PrnInit("Coarse", 3, 4, 100.0, 50.0, 0.0), 4);
  EXPECT_EQ(PrnQty(1), 0);
  VirtualPrinters().Remove("Coarse");
  // 89 dpi is 4 dots/mm: 10 mm across lands at 40 + (416 - 400).
  VirtualPrinters().Remove(kPrinter);
  ASSERT_TRUE(VirtualPrinters().Add(kPrinter, 89, 104, 1000));
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnReverseImage(10.0, 0.0, 1.0, 1.0), 1);
  EXPECT_EQ(Show(PrintedElements()),
            Show(B("<ESC>%0<ESC>H56<ESC>V0<ESC>(4,4")));
}

// No call can leave a job start half-way any more; a guard left set must
// still turn every job start away and leave the open job as it was.
TEST_F(StartTest, BusyGuardTurnsAwayJobStartsUntouched) {
  OpenJob();
  ASSERT_EQ(PrnDrawLine(1, 1, 0, 1, 1), 1);
  job().busyCount = 1;
  EXPECT_EQ(PrnInit("Other", 3, 4, 10.0, 10.0, 0.0), 2);
  EXPECT_EQ(PrnInitESeries(kPrinter, 3, 4, 10.0, 10.0, 0.0), 2);
  EXPECT_EQ(
      PrnInitCX208(kPrinter, 3, 4, 1, 0, 0, 200, 3300, 0, 10.0, 10.0, 0.0), 2);
  EXPECT_EQ(PrnInitCT400(kPrinter, 'A', 3, 4, 0, 1, 0, 0, 0, 10.0, 10.0, 0.0),
            2);
  // Ending the open job clears the guard.
  EXPECT_EQ(Show(PrintedElements()),
            Show(B("<ESC>%0<ESC>H40<ESC>V8<ESC>FW01H0008")));
  EXPECT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
}

TEST_F(StartTest, SecondStartDropsTheFirstJob) {
  OpenJob();
  PrnDrawLine(1, 1, 0, 1, 1);
  PrnQty(5);
  PrnCutter(2, 0, 0);
  ASSERT_EQ(PrnInitESeries(kPrinter, 1, 2, 100.0, 50.0, 0.0), 1);
  PrnReverseImage(0, 0, 1, 1);
  PrnQty(1);
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(LastSentJob(),
            B("<STX><ESC>A<ESC>AR<ESC>CS2<ESC>#E1<ESC>Z<ETX><STX><ESC>A"
              "<ESC>%0<ESC>H32<ESC>V0<ESC>(8,8<ESC>Q1<ESC>Z<ETX>"));
}

}  // namespace
}  // namespace vxcl::test
