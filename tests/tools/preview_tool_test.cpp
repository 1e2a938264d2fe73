// vxlabel draws saved streams and the jobs its scripts print; every
// example label renders and its barcodes read as their data.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/bytes.h"
#include "support/graphic_element.h"
#include "support/job_fixture.h"
#include "support/preview_support.h"
#include "support/scratch_dir.h"
#include "support/vxlabel_run.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

namespace fs = std::filesystem;

class PreviewTool : public ::testing::Test {
 protected:
  std::string In(const std::string& name) const {
    return (dir_.Path() / name).string();
  }

  ScratchDir dir_;
};

TEST_F(PreviewTool, DrawsASavedStreamAtTheGivenMetrics) {
  const std::string stream = dir_.Write(
      "job.prn",
      B("<STX><ESC>A<ESC>H0<ESC>V0<ESC>FW02H0100<ESC>YZ<ESC>Q1<ESC>Z<ETX>"));
  const VxlabelRun run =
      RunVxlabel({"preview", stream, "-o", In("label.png"), "--dpi", "300",
                  "--head-width-mm", "106", "--label-height-mm", "50"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("drawn to " + In("label.png")), std::string::npos);
  EXPECT_NE(run.output.find("warning: byte 19: unknown command ESC \"YZ\""),
            std::string::npos)
      << run.output;
  const PngPicture picture = ReadPng(dir_.Read("label.png"));
  EXPECT_EQ(picture.width, 1272);
  EXPECT_EQ(picture.height, 600);
  EXPECT_EQ(InkBounds(DotsOf(picture)).width, 100);
}

TEST_F(PreviewTool, ReportsWhatItCannotDraw) {
  const std::string stream = dir_.Write("job.prn", "x");
  const VxlabelRun tooFine =
      RunVxlabel({"preview", stream, "-o", In("a.png"), "--dpi", "99999"});
  EXPECT_EQ(tooFine.exitCode, 1);
  EXPECT_NE(tooFine.output.find("preview failed: 161"), std::string::npos)
      << tooFine.output;
  const VxlabelRun unwritable =
      RunVxlabel({"preview", stream, "-o", In("no/a.png")});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.output.find("cannot write"), std::string::npos)
      << unwritable.output;
  EXPECT_NE(RunVxlabel({"preview", In("none.prn"), "-o", In("x.png")}).exitCode,
            0);
}

TEST_F(PreviewTool, RunDrawsEveryJobNextToItsStream) {
  const VxlabelRun run =
      RunVxlabel({"run", "examples/first_label.vxl", "--out",
                  dir_.Path().string(), "--preview", dir_.Path().string()});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(fs::exists(dir_.Path() / "1.prn"));
  EXPECT_NE(run.output.find("drawn to " + In("1.png")), std::string::npos)
      << run.output;
  const PngPicture picture = ReadPng(dir_.Read("1.png"));
  EXPECT_EQ(picture.width, 832);   // the 104 mm head at 203 dpi
  EXPECT_EQ(picture.height, 400);  // the 50 mm label
}

TEST_F(PreviewTool, RunPreviewNeedsVirtualPrinters) {
  const VxlabelRun run =
      RunVxlabel({"run", "examples/first_label.vxl", "--printer", "X",
                  "--preview", dir_.Path().string()});
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
    std::vector<std::string> args = {"run", "examples/" + name + ".vxl",
                                     "--preview", In(name)};
    // A script with a data file beside it is run on its rows.
    const fs::path data = fs::path(entry.path()).replace_extension(".csv");
    if (fs::exists(data))
      args.insert(args.end(), {"--data", "examples/" + name + ".csv"});
    const VxlabelRun run = RunVxlabel(args);
    EXPECT_EQ(run.exitCode, 0) << name << "\n" << run.output;
    EXPECT_TRUE(fs::exists(dir_.Path() / name / "1.png")) << name;
    const bool maintenance = name == "cx_calibrate" || name == "ct_defaults";
    const std::size_t warnings = run.output.find("warning:");
    if (maintenance)
      EXPECT_NE(run.output.find("prints no label"), std::string::npos) << name;
    else
      EXPECT_EQ(warnings, std::string::npos) << name << "\n" << run.output;
  }
}

TEST_F(PreviewTool, TheShippingLabelsBarcodesReadAsTheirData) {
  const VxlabelRun run = RunVxlabel({"run", "examples/shipping_label.vxl",
                                     "--preview", dir_.Path().string()});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const OneBitBitmap label = DotsOf(ReadPng(dir_.Read("1.png")));
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

// The Chinese address line: the preview shows the very dots the library
// draws for it in the Ming face, near where the script puts it.
TEST_F(PreviewTool, TheShippingLabelsChineseAddressLineShowsItsDots) {
  const VxlabelRun run = RunVxlabel({"run", "examples/shipping_label.vxl",
                                     "--preview", dir_.Path().string()});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const OneBitBitmap label = DotsOf(ReadPng(dir_.Read("1.png")));

  ASSERT_TRUE(VxclAddVirtualPrinter("CJK", 203, 104, 1000));
  ASSERT_EQ(PrnInit("CJK", 3, 4, 100.0, 100.0, 0.0), 1);
  ASSERT_EQ(PrnTrueTypeFont(0, 6.0, 25.0, "細明體", 12, 0, 0, 0, 0, 0, 0, 0,
                            0.0, "收件人：台北市信義區市府路1號 王小明"),
            1);
  char message[256] = {};
  EXPECT_EQ(VxclLastError(message, sizeof message), 0) << message;
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  std::string job(VxclVirtualJob("CJK", 0, nullptr, 0), '\0');
  VxclVirtualJob("CJK", 0, reinterpret_cast<unsigned char*>(job.data()),
                 static_cast<int>(job.size()));
  VxclRemoveVirtualPrinter("CJK");
  const std::size_t element = job.find("\x1b%0");
  const OneBitBitmap text =
      ParseGraphicElement(job.substr(element, job.rfind("\x1bQ1") - element))
          .bitmap;
  ASSERT_GT(InkBounds(text).width, 17 * 14) << "every character inked";

  // At (6 mm, 25 mm) on the label, which may lie off the head's edge.
  bool found = false;
  for (int dy = 192; dy <= 208 && !found; ++dy)
    for (int dx = 40; dx <= 96 && !found; ++dx) {
      bool same = true;
      for (int y = 0; y < text.Height() && same; ++y)
        for (int x = 0; x < text.Width() && same; ++x)
          same = text.IsDark(x, y) == label.IsDark(dx + x, dy + y);
      found = same;
    }
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace vxcl::test
