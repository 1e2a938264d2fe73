// Lines, boxes and reversed areas: the appended bytes and result codes.
#include <gtest/gtest.h>

#include <functional>

#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct LineCase {
  const char* call;
  std::function<int()> draw;
  const char* bytes;
  int code;
};

class LinesTest : public JobTest,
                  public ::testing::WithParamInterface<LineCase> {
 protected:
  void SetUp() override {
    JobTest::SetUp();
    OpenJob(102.0);  // media offset 16
  }
};

TEST_P(LinesTest, AppendsTheCommand) {
  const LineCase& c = GetParam();
  EXPECT_EQ(c.draw(), c.code) << c.call;
  EXPECT_EQ(Show(PrintedElements()), Show(B(c.bytes))) << c.call;
}

INSTANTIATE_TEST_SUITE_P(
    Elements, LinesTest,
    ::testing::Values(
        LineCase{"line", [] { return PrnDrawLine(10.0, 20.0, 0, 2, 50.0); },
                 "<ESC>%0<ESC>H96<ESC>V160<ESC>FW02H0400", 1},
        LineCase{"wide vertical line",
                 [] { return PrnDrawLine(10.0, 20.0, 1, 150, 12.5); },
                 "<ESC>%0<ESC>H96<ESC>V160<ESC>FW01V0100", 81},
        LineCase{"bad direction",
                 [] { return PrnDrawLine(10.0, 20.0, 2, 0, 12.5); },
                 "<ESC>%0<ESC>H96<ESC>V160<ESC>FW01H0100", 80},
        LineCase{"direction -1",
                 [] { return PrnDrawLine(10.0, 20.0, 0xFFFFFFFFu, 5, 1.0); },
                 "<ESC>%0<ESC>H96<ESC>V160<ESC>FW05H0008", 80},
        LineCase{"direction 5 width 0",
                 [] { return PrnDrawLine(0.0, 0.0, 5, 0, 1.0); },
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>FW01H0008", 80},
        LineCase{"width 99", [] { return PrnDrawLine(0.0, 0.0, 1, 99, 1.0); },
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>FW99V0008", 1},
        LineCase{"width 100", [] { return PrnDrawLine(0.0, 0.0, 1, 100, 1.0); },
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>FW01V0008", 81},
        LineCase{"long line",
                 [] { return PrnDrawLine(0.0, 0.0, 0, 1, 1300.0); },
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>FW01H10400", 1},
        LineCase{"negative length",
                 [] { return PrnDrawLine(0.0, 0.0, 0, 1, -1.5625); },
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>FW01H-0012", 1},
        LineCase{"negative position",
                 [] { return PrnDrawLine(-10.0, -1.2, 0, 1, 1.0); },
                 "<ESC>%0<ESC>H-63<ESC>V-9<ESC>FW01H0008", 1},
        LineCase{"box", [] { return PrnDrawBox(5.0, 5.0, 3, 3, 80.0, 40.0); },
                 "<ESC>%0<ESC>H56<ESC>V40<ESC>FW0303H0640V0320", 1},
        LineCase{"box widths 0",
                 [] { return PrnDrawBox(5.0, 5.0, 0, 0, 1.0, 1.0); },
                 "<ESC>%0<ESC>H56<ESC>V40<ESC>FW0101H0008V0008", 81},
        LineCase{"box second width bad",
                 [] { return PrnDrawBox(0.0, 0.0, 12, -4, 2.0, 1300.0); },
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>FW1201H0016V10400", 81},
        LineCase{"reverse",
                 [] { return PrnReverseImage(0.0, 0.0, 25.0, 10.0); },
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>(200,80", 1},
        LineCase{"reverse small",
                 [] { return PrnReverseImage(1.0, 2.0, 1.0, -1.0); },
                 "<ESC>%0<ESC>H24<ESC>V16<ESC>(8,-7", 1}));

TEST_F(JobTest, ShiftMovesHorizontalPositionsOnly) {
  OpenJob(80.0, 2.0);  // media offset 192, shift 16
  PrnDrawLine(10.0, 5.0, 0, 1, 10.0);
  PrnDrawLine(10.06, 5.0, 0, 1, 10.0);
  EXPECT_EQ(Show(PrintedElements()),
            Show(B("<ESC>%0<ESC>H288<ESC>V40<ESC>FW01H0080"
                   "<ESC>%0<ESC>H288<ESC>V40<ESC>FW01H0080")));
}

TEST_F(JobTest, DrawingWithoutAJobGivesZero) {
  EXPECT_EQ(PrnDrawLine(1, 1, 0, 1, 1), 0);
  EXPECT_EQ(PrnDrawBox(1, 1, 1, 1, 1, 1), 0);
  EXPECT_EQ(PrnReverseImage(1, 1, 1, 1), 0);
}

}  // namespace
}  // namespace vxcl::test
