// The vxlabel tool end to end: scripts run on virtual printers, jobs
// written out, exit codes.
#include "support/vxlabel_run.h"

#include <gtest/gtest.h>

#include <string>

#include "support/bytes.h"
#include "support/scratch_dir.h"

namespace vxcl::test {
namespace {

TEST(VxlabelTest, RunsTheExampleAndWritesTheJob) {
  const VxlabelRun run = RunVxlabelScript("examples/first_label.vxl");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("PrnEnd -> 1 (success)"), std::string::npos);
  EXPECT_NE(run.output.find("received \"Label Printer Job\""),
            std::string::npos);
  ASSERT_EQ(run.jobs.size(), 1u) << run.output;
  const std::string& job = run.jobs[0];
  EXPECT_EQ(job.substr(0, 20),
            B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"));
  EXPECT_EQ(job.substr(job.size() - 9), B("<ESC><NUL>1<ESC>Q2<ESC>Z<ETX>"));
}

TEST(VxlabelTest, VirtualMetricsAndPrinterOverride) {
  const ScratchDir dir;
  const std::string script = dir.Write("s.vxl",
                                       "PrnInit \"Somewhere\" 1 2 50 20 0\n"
                                       "PrnDrawLine 1 1 0 1 1\nPrnQty 1\n"
                                       "PrnEnd\n");
  const VxlabelRun run = RunVxlabelScript(
      script, {"--printer", "Mine", "--virtual", "300:56:400"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("printer \"Mine\" received \"Mine Job\""),
            std::string::npos)
      << run.output;
  // 300 dpi: 12 dots/mm; 56 mm head, 50 mm label: offset 72.
  ASSERT_EQ(run.jobs.size(), 1u) << run.output;
  EXPECT_EQ(run.jobs[0],
            B("<STX><ESC>A<ESC>AR<ESC>CS2<ESC>#E1<ESC>Z<ETX><STX><ESC>A"
              "<ESC>%0<ESC>H84<ESC>V12<ESC>FW01H0012<ESC>Q1<ESC>Z<ETX>"));
}

TEST(VxlabelTest, RefusalsMakeTheExitCodeNonZero) {
  const ScratchDir dir;
  const VxlabelRun run = RunVxlabel(
      {"run", dir.Write("s.vxl", "PrnInit \"P\" 1 2 50 20 0\nPrnEnd\n")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(
      run.output.find("line 2: PrnEnd -> 5 (no quantity was set; nothing sent"),
      std::string::npos)
      << run.output;
  const VxlabelRun warned = RunVxlabel(
      {"run",
       dir.Write("w.vxl", "PrnInit \"P\" 1 2 500 20 0\nPrnQty 1\nPrnEnd\n")});
  EXPECT_EQ(warned.exitCode, 0) << warned.output;
  EXPECT_NE(warned.output.find("PrnInit -> 11"), std::string::npos);
}

TEST(VxlabelTest, ScriptErrorsStopWithTheLine) {
  const ScratchDir dir;
  struct {
    const char* script;
    const char* message;
  } cases[] = {
      {"PrnQty 1\nPrnFly 2\n", "line 2: unknown function PrnFly"},
      {"PrnQty 1 2\n", "line 1: PrnQty takes 1 arguments, not 2"},
      {"PrnQty \"one\"\n",
       "line 1: PrnQty argument 1 (\"one\") must be an integer"},
      {"PrnDrawLine 1 2 3 4.5 5\n", "line 1: PrnDrawLine argument 4 (4.5)"},
      {"\nPrnQty \"x\n", "line 2: unterminated string"},
      // A C string would end at the NUL: refused before any call runs.
      {"PrnInit \"P\" 1 2 50 20 0\nPrnInternalFont 0 1 1 \"U\" 1 1 0 "
       "\"AB\\0CD\"\n",
       "bad.vxl: line 2: PrnInternalFont argument 8 (\"AB\\0CD\") holds a "
       "\\0 byte"},
  };
  for (const auto& c : cases) {
    const VxlabelRun run = RunVxlabel({"run", dir.Write("bad.vxl", c.script)});
    EXPECT_EQ(run.exitCode, 2) << c.script;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("PrnInit ->"), std::string::npos) << run.output;
  }
}

TEST(VxlabelTest, DumpShowsAStream) {
  const ScratchDir dir;
  const VxlabelRun run = RunVxlabel(
      {"dump", dir.Write("job.prn", B("<STX><ESC>A<ESC><NUL>5<ESC>Z<ETX>"))});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "<STX>\n<ESC>A\n<ESC><NUL>5\n<ESC>Z\n<ETX>\n");
}

}  // namespace
}  // namespace vxcl::test
