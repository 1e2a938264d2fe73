// The preview's C interface: a virtual printer's job or any stream drawn
// to a PNG file, with result codes, the last error and the warnings.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/job_fixture.h"
#include "support/preview_support.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

namespace fs = std::filesystem;

class PreviewExports : public JobTest {
 protected:
  void SetUp() override {
    JobTest::SetUp();
    // Tests run side by side in separate processes: one folder each.
    dir_ = fs::temp_directory_path() /
           ("vxcl_preview_exports_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    JobTest::TearDown();
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  static PngPicture Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ReadPng(std::string((std::istreambuf_iterator<char>(in)), {}));
  }
  static std::string Text(int (*copy)(char*, int)) {
    std::string text(static_cast<std::size_t>(copy(nullptr, 0)) + 1, '\0');
    copy(text.data(), static_cast<int>(text.size()));
    text.pop_back();
    return text;
  }

  fs::path dir_;
};

TEST_F(PreviewExports, DrawsAJobWithItsLabelSizeAndPlace) {
  // A CX208 job centres its 100 x 50 mm label on the 104 mm head.
  ASSERT_EQ(
      PrnInitCX208(kPrinter, 3, 4, 1, 0, 0, 200, 3300, 0, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnDrawLine(0.0, 0.0, 0, 2, 10.0), 1);
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  ASSERT_EQ(VxclVirtualJobPreview(kPrinter, 0, Path("cx.png").c_str()), 1);
  const PngPicture png = Read(Path("cx.png"));
  EXPECT_EQ(png.width, 832);
  EXPECT_EQ(png.height, 400);
  EXPECT_EQ(png.At(15, 100), (std::array<std::uint8_t, 3>{208, 208, 208}));
  EXPECT_NE(png.At(16, 100), (std::array<std::uint8_t, 3>{208, 208, 208}));
  // The line: at the media offset, one dot below and right of the base
  // reference point "A3H001V001" of the CX208 header.
  EXPECT_EQ(InkBounds(DotsOf(png)).x, 17);
  EXPECT_EQ(InkBounds(DotsOf(png)).y, 1);
  EXPECT_EQ(Text(VxclPreviewWarnings), "");
}

TEST_F(PreviewExports, ResultCodes) {
  OpenJob();
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(VxclVirtualJobPreview("nobody", 0, Path("a.png").c_str()), 0);
  EXPECT_EQ(VxclVirtualJobPreview(kPrinter, 1, Path("a.png").c_str()), 0);
  EXPECT_EQ(VxclVirtualJobPreview(kPrinter, -1, Path("a.png").c_str()), 0);
  EXPECT_EQ(VxclVirtualJobPreview(nullptr, 0, Path("a.png").c_str()), 0);
  EXPECT_EQ(VxclVirtualJobPreview(kPrinter, 0, nullptr), VXCL_PREVIEW_PATH);
  EXPECT_EQ(VxclVirtualJobPreview(kPrinter, 0, ""), VXCL_PREVIEW_PATH);
  EXPECT_FALSE(fs::exists(Path("a.png")));
  const std::string unwritable = Path("missing/a.png");
  EXPECT_EQ(VxclVirtualJobPreview(kPrinter, 0, unwritable.c_str()),
            VXCL_PREVIEW_WRITE);
  EXPECT_NE(Text(VxclLastError).find(unwritable), std::string::npos);
  EXPECT_EQ(VxclVirtualJobPreview(kPrinter, 0, Path("a.png").c_str()), 1);
  EXPECT_TRUE(fs::exists(Path("a.png")));
  EXPECT_EQ(Text(VxclLastError), "");
}

TEST_F(PreviewExports, WarningsOfTheLastPreview) {
  OpenJob();
  // A font code the printer does not have: the text is an unknown command.
  ASSERT_EQ(PrnInternalFont(0, 1.0, 1.0, "YQ", 1, 1, 2, "text"), 1);
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  ASSERT_EQ(VxclVirtualJobPreview(kPrinter, 0, Path("w.png").c_str()), 1);
  const std::string warnings = Text(VxclPreviewWarnings);
  EXPECT_NE(warnings.find("unknown command ESC \"YQtext\""), std::string::npos)
      << warnings;
  EXPECT_EQ(warnings.back(), '\n');
  char small[8];
  EXPECT_EQ(VxclPreviewWarnings(small, sizeof small),
            static_cast<int>(warnings.size()));
  EXPECT_EQ(std::string(small), warnings.substr(0, 7));
}

TEST_F(PreviewExports, AMaintenanceJobIsABlankLabelOfThePrintersHead) {
  ASSERT_EQ(PrnCXCalibrate(kPrinter, 50.0, 1, 0, 0, 200, 3300, 0), 1);
  ASSERT_EQ(VxclVirtualJobPreview(kPrinter, 0, Path("c.png").c_str()), 1);
  const PngPicture png = Read(Path("c.png"));
  EXPECT_EQ(png.width, 832);
  EXPECT_EQ(png.height, 400);  // its "A1" size
  EXPECT_NE(Text(VxclPreviewWarnings).find("prints no label"),
            std::string::npos);
}

TEST_F(PreviewExports, DrawsAnyStream) {
  const std::string stream = LabelFrame(
      "\x1bH0\x1bV0\x1b"
      "FW02H0100");
  const auto* bytes = reinterpret_cast<const unsigned char*>(stream.data());
  const int length = static_cast<int>(stream.size());
  // 300 dpi: 12 dots a millimetre; a 106 mm head, a 50 mm label.
  ASSERT_EQ(VxclPreviewStream(bytes, length, 300, 106.0, 100.0, 50.0,
                              Path("s.png").c_str()),
            1);
  const PngPicture png = Read(Path("s.png"));
  EXPECT_EQ(png.width, 1272);
  EXPECT_EQ(png.height, 600);
  EXPECT_EQ(png.pixelsPerMetre, 12000u);
  EXPECT_EQ(png.At(71, 300), (std::array<std::uint8_t, 3>{208, 208, 208}));
  EXPECT_NE(png.At(72, 300), (std::array<std::uint8_t, 3>{208, 208, 208}));
  // No stream: a blank label.
  EXPECT_EQ(VxclPreviewStream(nullptr, 10, 203, 104.0, 0.0, 0.0,
                              Path("e.png").c_str()),
            1);
  EXPECT_EQ(Read(Path("e.png")).height, 80);
}

TEST_F(PreviewExports, RefusesSizesWithoutDotsOrTooLarge) {
  const unsigned char stream[] = {0x02};
  const std::string path = Path("r.png");
  const struct {
    int dpi;
    double head, width, length;
  } refused[] = {{0, 104, 0, 0},     {-203, 104, 0, 0},  {203, 0, 0, 0},
                 {203, 104, 105, 0}, {203, 104, -1, 0},  {203, 104, 0, -1},
                 {203, 0.01, 0, 0},  {10000, 104, 0, 0}, {203, 1e9, 0, 0},
                 {203, 104, 0, 1e7}};
  for (const auto& r : refused) {
    EXPECT_EQ(VxclPreviewStream(stream, 1, r.dpi, r.head, r.width, r.length,
                                path.c_str()),
              VXCL_PREVIEW_SIZE)
        << r.dpi << " " << r.head << " " << r.width << " " << r.length;
    EXPECT_FALSE(fs::exists(path));
  }
  EXPECT_EQ(VxclPreviewStream(stream, 1, 203, 104, 0, 0, nullptr),
            VXCL_PREVIEW_PATH);
}

}  // namespace
}  // namespace vxcl::test

namespace vxcl::test {
namespace {

// The findings as records: the element's place on the label in dots, its
// command's offset, the other element of an overlap; cleared by each
// preview.
TEST_F(PreviewExports, FindingsAreRecordsOfTheLastPreview) {
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnDrawLine(90.0, 10.0, 0, 2, 20.0), 1);  // 10 mm too far right
  ASSERT_EQ(PrnBarcode(0, 10.0, 20.0, 'G', 2, 2, 10.0, "AB12"), 1);
  ASSERT_EQ(PrnDrawLine(5.0, 25.0, 0, 3, 40.0), 1);  // through the bars
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  ASSERT_EQ(VxclVirtualJobPreview(kPrinter, 0, Path("f.png").c_str()), 1);
  ASSERT_EQ(VxclPreviewFindingCount(), 2);

  int fields[VXCL_FINDING_FIELDS + 1];
  std::fill(std::begin(fields), std::end(fields), 77);
  char message[200];
  const int length = VxclPreviewFinding(0, fields, 99, message, sizeof message);
  EXPECT_EQ(length, static_cast<int>(std::string(message).size()));
  EXPECT_EQ(fields[VXCL_FINDING_KIND], VXCL_FOUND_PARTLY_OUTSIDE);
  EXPECT_EQ(fields[VXCL_FINDING_LABEL], 0);
  EXPECT_EQ(fields[VXCL_FINDING_OTHER_OFFSET], -1);
  EXPECT_EQ(fields[VXCL_FINDING_X], 720);
  EXPECT_EQ(fields[VXCL_FINDING_Y], 80);
  EXPECT_EQ(fields[VXCL_FINDING_WIDTH], 160);
  EXPECT_EQ(fields[VXCL_FINDING_HEIGHT], 2);
  EXPECT_EQ(fields[VXCL_FINDING_FIELDS], 77) << "nothing past the record";
  EXPECT_NE(std::string(message).find("80 dots beyond the right edge"),
            std::string::npos)
      << message;
  // The offset names the element's command in the bytes sent.
  unsigned char job[4096];
  const int jobLength = VxclVirtualJob(kPrinter, 0, job, sizeof job);
  const std::string bytes(reinterpret_cast<char*>(job),
                          static_cast<std::size_t>(jobLength));
  const int lineOffset = fields[VXCL_FINDING_OFFSET];
  EXPECT_EQ(bytes.substr(static_cast<std::size_t>(lineOffset), 3),
            "\x1b"
            "FW");

  ASSERT_GT(VxclPreviewFinding(1, fields, VXCL_FINDING_FIELDS, nullptr, 0), 0);
  EXPECT_EQ(fields[VXCL_FINDING_KIND], VXCL_FOUND_BARCODE_OVERLAP);
  EXPECT_EQ(
      bytes.substr(static_cast<std::size_t>(fields[VXCL_FINDING_OFFSET]), 2),
      "\x1b"
      "B");
  EXPECT_GT(fields[VXCL_FINDING_OTHER_OFFSET], fields[VXCL_FINDING_OFFSET]);
  EXPECT_EQ(bytes.substr(
                static_cast<std::size_t>(fields[VXCL_FINDING_OTHER_OFFSET]), 3),
            "\x1b"
            "FW");

  EXPECT_EQ(VxclPreviewFinding(2, fields, VXCL_FINDING_FIELDS, message,
                               sizeof message),
            -1);
  EXPECT_EQ(VxclPreviewFinding(-1, nullptr, 0, nullptr, 0), -1);
  // A clean stream clears them.
  const unsigned char clean[] = "\2\33A\33H8\33V8\33FW02H0100\33Q1\33Z\3";
  ASSERT_EQ(VxclPreviewStream(clean, sizeof clean - 1, 203, 104.0, 0.0, 0.0,
                              Path("c.png").c_str()),
            1);
  EXPECT_EQ(VxclPreviewFindingCount(), 0);
}

}  // namespace
}  // namespace vxcl::test
