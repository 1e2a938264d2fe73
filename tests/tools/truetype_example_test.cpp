// The TrueType example label runs through vxlabel.
#include <gtest/gtest.h>

#include <string>

#include "support/bytes.h"
#include "support/vxlabel_run.h"

namespace {

using vxcl::test::B;

TEST(TrueTypeExample, PrintsItsTextAsGraphics) {
  const vxcl::test::VxlabelRun run =
      vxcl::test::RunVxlabelScript("examples/truetype_label.vxl");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  ASSERT_EQ(run.jobs.size(), 1u) << run.output;
  const std::string& job = run.jobs[0];
  EXPECT_TRUE(job.starts_with(B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3")));
  EXPECT_TRUE(job.ends_with(B("<ESC>Q1<ESC>Z<ETX>")));
  // Seven texts, each a graphic; the turned one with ESC "%0".
  std::size_t graphics = 0;
  for (std::size_t at = job.find("\x1bGB"); at != std::string::npos;
       at = job.find("\x1bGB", at + 1))
    ++graphics;
  EXPECT_GE(graphics, 7u);
  EXPECT_NE(run.output.find("PrnTrueTypeFont -> 1 (success)"),
            std::string::npos);
  EXPECT_NE(job.find(B("<ESC>%0<ESC>H776<ESC>V")), std::string::npos)
      << "the turned text at 93 mm";
}

}  // namespace
