// The vxlabel tool end to end: scripts run on virtual printers, jobs
// written out, exit codes.
#include "support/vxlabel_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/bytes.h"
#include "support/scratch_dir.h"
#include "vxclcmd.h"

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

TEST(VxlabelTest, ScriptErrorsStopWithTheLineAndColumn) {
  const ScratchDir dir;
  struct {
    const char* script;
    const char* message;
  } cases[] = {
      {"PrnQty 1\nPrnFly 2\n", "bad.vxl:2:1: unknown function PrnFly"},
      {"PrnQty 1 2\n",
       "bad.vxl:1:10: PrnQty takes 1 arguments, not 2; expected "
       "PrnQty(int quantity)"},
      {"PrnQty \"one\"\n",
       "bad.vxl:1:8: PrnQty argument 1, quantity, (\"one\") must be an "
       "integer"},
      {"PrnDrawLine 1 2 3 4.5 5\n",
       "bad.vxl:1:19: PrnDrawLine argument 4, lineWidth, (4.5)"},
      {"\nPrnQty \"x\n", "bad.vxl:2:8: unterminated string"},
      {"  PrnQty 12x\n", "bad.vxl:1:10: not a number"},
      // Near names are suggested, letter case aside.
      {"PrnDrawLin 1 2 0 1 5\n",
       "bad.vxl:1:1: unknown function PrnDrawLin; did you mean PrnDrawLine?"},
      {"prnqty 1\n",
       "bad.vxl:1:1: unknown function prnqty; did you mean PrnQty?"},
      // A C string would end at the NUL: refused before any call runs.
      {"PrnInit \"P\" 1 2 50 20 0\nPrnInternalFont 0 1 1 \"U\" 1 1 0 "
       "\"AB\\0CD\"\n",
       "bad.vxl:2: PrnInternalFont argument 8 (\"AB\\0CD\") holds a "
       "\\0 byte"},
  };
  for (const auto& c : cases) {
    const std::string script = dir.Write("bad.vxl", c.script);
    const VxlabelRun run = RunVxlabel({"run", script});
    EXPECT_EQ(run.exitCode, 2) << c.script;
    EXPECT_NE(run.output.find(dir.Path().string() + "/" + c.message),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("PrnInit ->"), std::string::npos) << run.output;
  }
}

// Every faulty line is reported, and nothing is sent: line 4's job does not
// go out because line 6 is wrong.
TEST(VxlabelTest, AFaultyScriptSendsNothing) {
  const ScratchDir dir;
  const std::string script = dir.Write(
      "s.vxl",
      "PrnInit \"P\" 1 2 50 20 0\nPrnDrawLine 1 1 0 1 1\nPrnQty 1\nPrnEnd\n"
      "PrnInit \"P\" 1 2 50 20 0\nPrnDrawLine 1 1 0 1\nPrnQty 1.5\nPrnEnd\n");
  const VxlabelRun run = RunVxlabelScript(script);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("s.vxl:6:1: PrnDrawLine takes 5 arguments, not 4"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("s.vxl:7:8: PrnQty argument 1"), std::string::npos);
  EXPECT_NE(run.output.find("2 errors; nothing was called"), std::string::npos);
  EXPECT_EQ(run.output.find("-> 1"), std::string::npos) << run.output;
  EXPECT_TRUE(run.jobs.empty());
}

TEST(VxlabelTest, AByteOrderMarkIsSkipped) {
  const ScratchDir dir;
  const VxlabelRun run = RunVxlabelScript(dir.Write(
      "bom.vxl", "\xEF\xBB\xBFPrnInit \"P\" 1 2 50 20 0\nPrnQty 1\nPrnEnd\n"));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.jobs.size(), 1u);
}

TEST(VxlabelTest, AFailedJobStartStopsTheRunUnlessKeepGoing) {
  const ScratchDir dir;
  const std::string script =
      dir.Write("s.vxl",
                "PrnInit \"P\" 1 2 50 20 0\nPrnQty 1\nPrnEnd\n"
                "PrnInit \"P\" 1 2 50 20 0\nPrnQty 1\nPrnEnd\n");
  // 50 dpi is below the 4 dots a millimetre a job start needs.
  const VxlabelRun failed =
      RunVxlabel({"run", script, "--virtual", "50:104:1000"});
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.output.find("s.vxl:1: PrnInit could not start the job on "
                               "\"P\": 4"),
            std::string::npos)
      << failed.output;
  EXPECT_NE(failed.output.find("`vxlabel printers`"), std::string::npos);
  EXPECT_EQ(failed.output.find("line 2:"), std::string::npos) << "stopped";
  const VxlabelRun kept =
      RunVxlabel({"run", script, "--virtual", "50:104:1000", "--keep-going"});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_NE(kept.output.find("line 6: PrnEnd -> 0"), std::string::npos)
      << kept.output;
}

TEST(VxlabelTest, AJobLeftOpenWarnsAndFails) {
  const ScratchDir dir;
  const VxlabelRun run = RunVxlabelScript(dir.Write(
      "open.vxl",
      "PrnInit \"P\" 1 2 50 20 0\nPrnQty 1\nPrnEnd\n"
      "PrnInit \"P\" 1 2 50 20 0\nPrnDrawLine 1 1 0 1 1\nPrnQty 1\n"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("open.vxl:4: warning: the job started here is "
                            "never ended with PrnEnd"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.jobs.size(), 1u);
}

TEST(VxlabelTest, OutputFoldersAreMadeBeforeAnythingRuns) {
  const ScratchDir dir;
  const std::string script =
      dir.Write("s.vxl", "PrnInit \"P\" 1 2 50 20 0\nPrnQty 1\nPrnEnd\n");
  const std::string deep = (dir.Path() / "a" / "b").string();
  const VxlabelRun run = RunVxlabel(
      {"run", script, "--out", deep, "--preview", deep + "/pictures"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(std::filesystem::exists(deep + "/1.prn"));
  EXPECT_TRUE(std::filesystem::exists(deep + "/pictures/1.png"));
  // A file where the folder should be: the reason, and nothing runs.
  const std::string blocked = dir.Write("file", "x") + "/sub";
  const VxlabelRun refused = RunVxlabel({"run", script, "--out", blocked});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.output.find("--out: cannot make the folder " + blocked),
            std::string::npos)
      << refused.output;
  EXPECT_EQ(refused.output.find("PrnInit ->"), std::string::npos);
}

TEST(VxlabelTest, HelpNamesCommandsAndPlaceholders) {
  const VxlabelRun all = RunVxlabel({"help"});
  EXPECT_EQ(all.exitCode, 0);
  EXPECT_NE(all.output.find("check"), std::string::npos) << all.output;
  const VxlabelRun run = RunVxlabel({"help", "run"});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* text : {"--printer NAME", "--out DIR", "--preview DIR",
                           "--virtual DPI:WIDTH_MM:HEIGHT_MM", "--keep-going"})
    EXPECT_NE(run.output.find(text), std::string::npos) << text << run.output;
  EXPECT_EQ(RunVxlabel({"help", "fly"}).exitCode, 2);
}

TEST(VxlabelTest, DumpShowsAStream) {
  const ScratchDir dir;
  const VxlabelRun run = RunVxlabel(
      {"dump", dir.Write("job.prn", B("<STX><ESC>A<ESC><NUL>5<ESC>Z<ETX>"))});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "<STX>\n<ESC>A\n<ESC><NUL>5\n<ESC>Z\n<ETX>\n");
  // A script is not a stream.
  const VxlabelRun script = RunVxlabel({"dump", "examples/first_label.vxl"});
  EXPECT_EQ(script.exitCode, 2);
  EXPECT_NE(script.output.find("is a label script, not a command stream: "
                               "`vxlabel run examples/first_label.vxl`"),
            std::string::npos)
      << script.output;
}

TEST(VxlabelTest, VersionNamesTheToolsAndTheLibrarys) {
  const VxlabelRun run = RunVxlabel({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  const std::string version = std::to_string(VXCL_VERSION_MAJOR) + "." +
                              std::to_string(VXCL_VERSION_MINOR) + "." +
                              std::to_string(VXCL_VERSION_PATCH);
  EXPECT_EQ(run.output, "vxlabel " + version + "\nlibrary " + version + "\n");
}

}  // namespace
}  // namespace vxcl::test
