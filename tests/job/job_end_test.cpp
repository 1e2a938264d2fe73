// PrnQty, PrnCutter and PrnEnd: closing commands and the submitted stream.
#include <gtest/gtest.h>

#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using EndTest = JobTest;

TEST_F(EndTest, RoadOfOneLabel) {
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  ASSERT_EQ(SentJobs(), 1);
  EXPECT_EQ(
      Show(LastSentJob()),
      Show(B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
             "<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400<ESC>Q1<ESC>Z<ETX>")));
  EXPECT_EQ(LastSentJobName(), "VP Job");
}

TEST_F(EndTest, WorkedExampleWithCutterSendsTheNulByte) {
  OpenJob();
  ASSERT_EQ(PrnCutter(3, 0, 0), 1);
  ASSERT_EQ(PrnQty(2), 1);
  ASSERT_EQ(PrnEnd(), 1);
  const unsigned char expected[] = {
      0x02, 0x1B, 0x41, 0x1B, 0x41, 0x52, 0x1B, 0x43, 0x53, 0x34,
      0x1B, 0x23, 0x45, 0x33, 0x1B, 0x5A, 0x03, 0x02, 0x1B, 0x41,
      0x1B, 0x00, 0x33, 0x1B, 0x51, 0x32, 0x1B, 0x5A, 0x03};
  EXPECT_EQ(LastSentJob(), std::string(reinterpret_cast<const char*>(expected),
                                       sizeof expected));
}

TEST_F(EndTest, ClosedJobIgnoresEverything) {
  for (int round = 0; round < 2; ++round) {  // before any job, after one
    EXPECT_EQ(PrnQty(1), 0);
    EXPECT_EQ(PrnCutter(1, 1, 1), 0);
    EXPECT_EQ(PrnEnd(), 0);
    OpenJob();
    EXPECT_EQ(PrintedJob(), OpenJobHeader() + B("<ESC>Q1<ESC>Z<ETX>"));
  }
  EXPECT_EQ(SentJobs(), 2);
}

TEST_F(EndTest, NameWithSurroundingBlanksPrintsOnTheMatchedPrinter) {
  ASSERT_EQ(PrnInit(" VP\t", 3, 4, 100.0, 50.0, 0.0), 1);
  EXPECT_EQ(PrintedJob(), OpenJobHeader() + B("<ESC>Q1<ESC>Z<ETX>"));
  EXPECT_EQ(LastSentJobName(), " VP\t Job");  // the host's own text
}

TEST_F(EndTest, NoQuantityMeans5AndNothingSent) {
  OpenJob();
  PrnDrawLine(1, 1, 0, 1, 1);
  EXPECT_EQ(PrnEnd(), 5);
  EXPECT_EQ(PrnQty(1), 0);  // the job is gone
  EXPECT_EQ(SentJobs(), 0);
}

struct QtyCase {
  bool cx208;
  int quantity;
  int code;
  const char* command;
};

class QuantityTest : public JobTest,
                     public ::testing::WithParamInterface<QtyCase> {};

TEST_P(QuantityTest, RangeDependsOnTheModel) {
  const QtyCase& c = GetParam();
  if (c.cx208)
    OpenCx208Job();
  else
    OpenJob();
  EXPECT_EQ(PrnQty(c.quantity), c.code);
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(Show(LastSentJob()),
            Show((c.cx208 ? Cx208JobHeader() : OpenJobHeader()) + B(c.command) +
                 B("<ESC>Z<ETX>")));
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, QuantityTest,
    ::testing::Values(QtyCase{false, 0, 1, "<ESC>Q0"},
                      QtyCase{false, 999999, 1, "<ESC>Q999999"},
                      QtyCase{false, 1000000, 5, "<ESC>Q1"},
                      QtyCase{false, -1, 5, "<ESC>Q1"},
                      QtyCase{false, 70000, 1, "<ESC>Q70000"},
                      QtyCase{true, 70000, 5, "<ESC>Q1"},
                      QtyCase{true, 65535, 1, "<ESC>Q65535"}));

TEST_F(EndTest, LastQuantityAndCutWin) {
  OpenJob();
  PrnQty(7);
  PrnCutter(4, 0, 0);
  PrnQty(3);
  PrnCutter(0, 0, 0);
  PrnEnd();
  EXPECT_EQ(LastSentJob(), OpenJobHeader() + B("<ESC>Q3<ESC>Z<ETX>"));
}

struct CutCase {
  bool eSeries;
  int cut, eCount, eFlag;
  int code;
  const char* command;
};

class CutterTest : public JobTest,
                   public ::testing::WithParamInterface<CutCase> {};

TEST_P(CutterTest, BuildsTheCutCommand) {
  const CutCase& c = GetParam();
  if (c.eSeries)
    ASSERT_EQ(PrnInitESeries(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
  else
    OpenJob();
  PrnCutter(9, 0, 0);  // replaced whole by the call under test
  EXPECT_EQ(PrnCutter(c.cut, c.eCount, c.eFlag), c.code);
  EXPECT_EQ(Show(PrintedElements()), Show(B(c.command)));
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, CutterTest,
    ::testing::Values(
        CutCase{false, 0, 0, 0, 1, ""},
        CutCase{false, 3, 0, 0, 1, "<ESC><NUL>3"},
        CutCase{false, 9999, 0, 0, 1, "<ESC><NUL>9999"},
        CutCase{false, 10000, 0, 0, 6, ""}, CutCase{false, -1, 0, 0, 6, ""},
        CutCase{false, 0, 12, 1, 1, ""},  // e-series options ignored
        CutCase{false, 0, -5, 1, 1, ""},  // ...unchecked
        CutCase{true, 5, -7, 1, 1, "<ESC><NUL>5<ESC>B"},
        CutCase{true, 0, 12, 1, 1, "<ESC>A12<ESC>B"},
        CutCase{true, 0, 12, 0, 1, "<ESC>A12"},
        CutCase{true, 0, 0, 0x100, 1, ""},  // only the low byte counts
        CutCase{true, 0, 0, 0x1FF, 1, "<ESC>B"},
        CutCase{true, 0, 10000, 1, 6, "<ESC>B"},
        CutCase{true, -3, 10000, 0, 6, ""},
        CutCase{true, 10000, 4, 0, 6, "<ESC>A4"}));

TEST_F(EndTest, ElementsAndClosingCommandsInTheirPlaces) {
  OpenJob();
  PrnQty(4);  // quantity and cut may come before the elements
  PrnCutter(2, 0, 0);
  PrnDrawLine(0, 0, 1, 3, 1);
  PrnReverseImage(1, 1, 2, 2);
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(Show(LastSentJob()),
            Show(OpenJobHeader() + B("<ESC>%0<ESC>H32<ESC>V0<ESC>FW03V0008"
                                     "<ESC>%0<ESC>H40<ESC>V8<ESC>(16,16"
                                     "<ESC><NUL>2<ESC>Q4<ESC>Z<ETX>")));
}

}  // namespace
}  // namespace vxcl::test
