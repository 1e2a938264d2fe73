// The vxlabel tool end to end: scripts run on virtual printers, jobs
// written out, exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/bytes.h"

namespace {

namespace fs = std::filesystem;
using vxcl::test::B;

struct ToolRun {
  int exitCode;
  std::string output;
};

class VxlabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("vxlabel_test_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return dir_ / name;
  }

  static ToolRun Vxlabel(const std::string& args) {
    const std::string command =
        std::string(VXLABEL_PATH) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
      output.append(buffer, n);
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), output};
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir_;
};

TEST_F(VxlabelTest, RunsTheExampleAndWritesTheJob) {
  const ToolRun run =
      Vxlabel("run " VXCL_SOURCE_DIR "/examples/first_label.vxl --out " +
              dir_.string());
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("PrnEnd -> 1 (success)"), std::string::npos);
  EXPECT_NE(run.output.find("received \"Label Printer Job\""),
            std::string::npos);
  const std::string job = Read(dir_ / "1.prn");
  EXPECT_EQ(job.substr(0, 20),
            B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"));
  EXPECT_EQ(job.substr(job.size() - 9), B("<ESC><NUL>1<ESC>Q2<ESC>Z<ETX>"));
}

TEST_F(VxlabelTest, VirtualMetricsAndPrinterOverride) {
  const fs::path script = Write("s.vxl",
                                "PrnInit \"Somewhere\" 1 2 50 20 0\n"
                                "PrnDrawLine 1 1 0 1 1\nPrnQty 1\nPrnEnd\n");
  const ToolRun run =
      Vxlabel("run " + script.string() +
              " --printer Mine --virtual 300:56:400 --out " + dir_.string());
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("printer \"Mine\" received \"Mine Job\""),
            std::string::npos)
      << run.output;
  // 300 dpi: 12 dots/mm; 56 mm head, 50 mm label: offset 72.
  EXPECT_EQ(Read(dir_ / "1.prn"),
            B("<STX><ESC>A<ESC>AR<ESC>CS2<ESC>#E1<ESC>Z<ETX><STX><ESC>A"
              "<ESC>%0<ESC>H84<ESC>V12<ESC>FW01H0012<ESC>Q1<ESC>Z<ETX>"));
}

TEST_F(VxlabelTest, RefusalsMakeTheExitCodeNonZero) {
  const fs::path script = Write("s.vxl", "PrnInit \"P\" 1 2 50 20 0\nPrnEnd\n");
  const ToolRun run = Vxlabel("run " + script.string());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(
      run.output.find("line 2: PrnEnd -> 5 (no quantity was set; nothing sent"),
      std::string::npos)
      << run.output;
  const ToolRun warned = Vxlabel(
      "run " + Write("w.vxl", "PrnInit \"P\" 1 2 500 20 0\nPrnQty 1\nPrnEnd\n")
                   .string());
  EXPECT_EQ(warned.exitCode, 0) << warned.output;
  EXPECT_NE(warned.output.find("PrnInit -> 11"), std::string::npos);
}

TEST_F(VxlabelTest, ScriptErrorsStopWithTheLine) {
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
  };
  for (const auto& c : cases) {
    const ToolRun run = Vxlabel("run " + Write("bad.vxl", c.script).string());
    EXPECT_EQ(run.exitCode, 2) << c.script;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
  }
}

TEST_F(VxlabelTest, DumpShowsAStream) {
  const fs::path file =
      Write("job.prn", B("<STX><ESC>A<ESC><NUL>5<ESC>Z<ETX>"));
  const ToolRun run = Vxlabel("dump " + file.string());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "<STX>\n<ESC>A\n<ESC><NUL>5\n<ESC>Z\n<ETX>\n");
}

}  // namespace
