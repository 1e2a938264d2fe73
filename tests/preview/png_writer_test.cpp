// The preview's PNG: one pixel a dot, printed dots black, the label white
// with a light edge, the head beside it grey, labels stacked with a gap.
#include "preview/png_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/preview_support.h"

namespace vxcl::test {
namespace {

using preview::LabelPicture;
using Rgb = std::array<std::uint8_t, 3>;

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGrey{208, 208, 208},
    kEdge{120, 170, 255};

LabelPicture Label(int head, int length, int left, int width) {
  LabelPicture label;
  label.dots = OneBitBitmap(head, length);
  label.labelLeft = left;
  label.labelWidth = width;
  return label;
}

TEST(PngWriter, ColoursDotsLabelEdgeAndTheHeadBeside) {
  LabelPicture label = Label(40, 20, 8, 30);  // columns 8..37 are the label
  label.dots.SetDark(10, 5, true);
  label.dots.SetDark(2, 3, true);   // beside the label: printed all the same
  label.dots.SetDark(8, 10, true);  // on the edge: the dot wins
  const PngPicture png = ReadPng(preview::EncodePng({label}, 8));
  ASSERT_EQ(png.width, 40);
  ASSERT_EQ(png.height, 20);
  EXPECT_EQ(png.pixelsPerMetre, 8000u);
  EXPECT_EQ(png.At(10, 5), kBlack);
  EXPECT_EQ(png.At(2, 3), kBlack);
  EXPECT_EQ(png.At(8, 10), kBlack);
  EXPECT_EQ(png.At(11, 5), kWhite);
  EXPECT_EQ(png.At(7, 5), kGrey);
  EXPECT_EQ(png.At(38, 5), kGrey);
  for (const auto& [x, y] : {std::pair{8, 5}, {37, 5}, {20, 0}, {20, 19}})
    EXPECT_EQ(png.At(x, y), kEdge) << x << "," << y;
  EXPECT_EQ(DotsOf(png), label.dots);
}

TEST(PngWriter, StacksLabelsWithATwoMillimetreGap) {
  LabelPicture first = Label(16, 10, 0, 16), second = Label(16, 12, 0, 16);
  first.dots.SetDark(3, 9, true);
  second.dots.SetDark(4, 0, true);
  const PngPicture png = ReadPng(preview::EncodePng({first, second}, 8));
  ASSERT_EQ(png.height, 10 + 16 + 12);
  EXPECT_EQ(png.At(3, 9), kBlack);
  EXPECT_EQ(png.At(5, 10), kGrey);
  EXPECT_EQ(png.At(5, 25), kGrey);
  EXPECT_EQ(png.At(4, 26), kBlack);
}

TEST(PngWriter, ABarcodeReadsFromThePicture) {
  const preview::StreamPreview drawn =
      PreviewOf(LabelFrame("\x1bH40\x1bV40\x1b"
                           "BG02080>H>F0112345678901231"));
  const PngPicture png = ReadPng(preview::EncodePng(drawn.labels, 8));
  const std::vector<Decoded> read = DecodeBarcodes(DotsOf(png));
  ASSERT_EQ(read.size(), 1u) << Show(read);
  EXPECT_EQ(read[0].identifier, "]C1");
  EXPECT_EQ(read[0].bytes, "0112345678901231");
}

TEST(PngWriter, SaysWhyAFileCannotBeWritten) {
  const std::string path = "/nonexistent-dir/label.png";
  try {
    preview::WriteFile(path, "png");
    FAIL() << "written";
  } catch (const preview::PreviewWriteError& error) {
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("No such file"), std::string::npos)
        << error.what();
  }
}

TEST(PngWriter, WritesTheBytesWhole) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("vxcl_png_test_" + std::to_string(::getpid()));
  const std::string bytes("\x89PNG\0\x1b", 6);
  preview::WriteFile(path.string(), bytes);
  std::ifstream in(path, std::ios::binary);
  const std::string back((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(back, bytes);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace vxcl::test
