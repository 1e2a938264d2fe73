// vxlabel draws saved streams and the jobs its scripts print; every
// example label renders and its barcodes read as their data.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/bytes.h"
#include "support/preview_support.h"

namespace vxcl::test {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int exitCode;
  std::string output;
};

class PreviewTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("vxlabel_preview_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs vxlabel from the source tree, where the examples find their
  // pictures.
  static ToolRun Vxlabel(const std::string& args) {
    const std::string command = std::string("cd ") + VXCL_SOURCE_DIR + " && " +
                                VXLABEL_PATH + " " + args + " 2>&1";
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

TEST_F(PreviewTool, DrawsASavedStreamAtTheGivenMetrics) {
  const fs::path stream = dir_ / "job.prn";
  std::ofstream(stream, std::ios::binary)
      << B("<STX><ESC>A<ESC>H0<ESC>V0<ESC>FW02H0100<ESC>YZ<ESC>Q1<ESC>Z<ETX>");
  const fs::path png = dir_ / "label.png";
  const ToolRun run =
      Vxlabel("preview " + stream.string() + " -o " + png.string() +
              " --dpi 300 --head-width-mm 106 --label-height-mm 50");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("drawn to " + png.string()), std::string::npos);
  EXPECT_NE(run.output.find("warning: byte 19: unknown command ESC \"YZ\""),
            std::string::npos)
      << run.output;
  const PngPicture picture = ReadPng(Read(png));
  EXPECT_EQ(picture.width, 1272);
  EXPECT_EQ(picture.height, 600);
  EXPECT_EQ(InkBounds(DotsOf(picture)).width, 100);
}

TEST_F(PreviewTool, ReportsWhatItCannotDraw) {
  const fs::path stream = dir_ / "job.prn";
  std::ofstream(stream, std::ios::binary) << "x";
  const ToolRun tooFine = Vxlabel("preview " + stream.string() + " -o " +
                                  (dir_ / "a.png").string() + " --dpi 99999");
  EXPECT_EQ(tooFine.exitCode, 1);
  EXPECT_NE(tooFine.output.find("preview failed: 161"), std::string::npos)
      << tooFine.output;
  const ToolRun unwritable = Vxlabel("preview " + stream.string() + " -o " +
                                     (dir_ / "no/a.png").string());
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.output.find("cannot write"), std::string::npos)
      << unwritable.output;
  EXPECT_NE(
      Vxlabel("preview " + (dir_ / "none.prn").string() + " -o x.png").exitCode,
      0);
}

TEST_F(PreviewTool, RunDrawsEveryJobNextToItsStream) {
  const ToolRun run = Vxlabel("run examples/first_label.vxl --out " +
                              dir_.string() + " --preview " + dir_.string());
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(fs::exists(dir_ / "1.prn"));
  EXPECT_NE(run.output.find("drawn to " + (dir_ / "1.png").string()),
            std::string::npos)
      << run.output;
  const PngPicture picture = ReadPng(Read(dir_ / "1.png"));
  EXPECT_EQ(picture.width, 832);   // the 104 mm head at 203 dpi
  EXPECT_EQ(picture.height, 400);  // the 50 mm label
}

TEST_F(PreviewTool, RunPreviewNeedsVirtualPrinters) {
  const ToolRun run = Vxlabel(
      "run examples/first_label.vxl --printer X "
      "--preview " +
      dir_.string());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("--preview draws the jobs of virtual printers"),
            std::string::npos);
}

// Every example renders without a warning, except the maintenance jobs,
// which print no label.
TEST_F(PreviewTool, EveryExampleRenders) {
  for (const auto& entry :
       fs::directory_iterator(fs::path(VXCL_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".vxl") continue;
    const std::string name = entry.path().stem().string();
    const fs::path out = dir_ / name;
    const ToolRun run =
        Vxlabel("run examples/" + name + ".vxl --preview " + out.string());
    EXPECT_EQ(run.exitCode, 0) << name << "\n" << run.output;
    EXPECT_TRUE(fs::exists(out / "1.png")) << name;
    const bool maintenance = name == "cx_calibrate" || name == "ct_defaults";
    const std::size_t warnings = run.output.find("warning:");
    if (maintenance)
      EXPECT_NE(run.output.find("prints no label"), std::string::npos) << name;
    else
      EXPECT_EQ(warnings, std::string::npos) << name << "\n" << run.output;
  }
}

TEST_F(PreviewTool, TheShippingLabelsBarcodesReadAsTheirData) {
  const ToolRun run =
      Vxlabel("run examples/shipping_label.vxl --preview " + dir_.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const OneBitBitmap label = DotsOf(ReadPng(Read(dir_ / "1.png")));
  // Each symbol in its own panel of the 100 x 100 mm label.
  const struct {
    preview::DotRect panel;
    Decoded expected;
  } symbols[] = {
      {{48, 40, 560, 120},
       {"PDF417", "SHIP TO: ACME LTD\r1 MAIN STREET\rSPRINGFIELD", "]L2"}},
      {{48, 300, 440, 160}, {"Code128", "TRK1234567890", "]C0"}},
      {{560, 300, 200, 130}, {"DataMatrix", "ORDER 2024-000123456", "]d1"}},
      {{48, 540, 600, 200}, {"Code128", "00340123450000000017", "]C1"}},
  };
  for (const auto& s : symbols) {
    const std::vector<Decoded> read = DecodeBarcodes(label, s.panel);
    ASSERT_EQ(read.size(), 1u) << s.expected.bytes << ": " << Show(read);
    EXPECT_EQ(read[0], s.expected) << Show(read);
  }
}

}  // namespace
}  // namespace vxcl::test
