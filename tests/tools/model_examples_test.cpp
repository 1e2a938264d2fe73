// The CX208 and CT400 example scripts run through vxlabel and send their
// streams.
#include <gtest/gtest.h>

#include <string>

#include "support/bytes.h"
#include "support/vxlabel_run.h"

namespace {

using vxcl::test::B;

TEST(ModelExamples, RunAndSendTheirStreams) {
  struct Case {
    const char* name;
    std::size_t size;
    const char* start;
    const char* end;
  } cases[] = {
      {"cx208_label", 180, "<STX><ESC>A<ESC>CP1<ESC>Z<ETX>",
       "<ESC>Q2<ESC>Z<ETX>"},
      {"ct400_label", 176, "<STX><ESC>A<ESC>AR<ESC>Z<ETX>",
       "<ESC>Q1<ESC>Z<ETX>"},
      {"cx_calibrate", 115, "<STX><ESC>A<ESC>CP1<ESC>Z<ETX>",
       "<ESC>CA<ESC>Z<ETX><ESC>A <ESC>Z"},
      {"ct_defaults", 39, "<STX><ESC>A<ESC>PG<NUL><NUL><x02>",
       "<NUL><ESC>Z<ETX>"},
  };
  for (const Case& c : cases) {
    const vxcl::test::VxlabelRun run = vxcl::test::RunVxlabelScript(
        "examples/" + std::string(c.name) + ".vxl");
    EXPECT_EQ(run.exitCode, 0) << c.name << "\n" << run.output;
    ASSERT_FALSE(run.jobs.empty()) << c.name << "\n" << run.output;
    const std::string& job = run.jobs[0];
    EXPECT_EQ(job.size(), c.size) << c.name;
    const std::string start = B(c.start), end = B(c.end);
    EXPECT_TRUE(job.starts_with(start)) << c.name;
    EXPECT_TRUE(job.ends_with(end)) << c.name;
  }
}

}  // namespace
