// Pictures written by ImageMagick and PIL decode as those tools decode them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "raster/bmp_decoder.h"
#include "raster/pcx_decoder.h"
#include "support/pictures.h"

namespace vxcl {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

class ForeignPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::ScratchDir;
    // Debian's python3-pil lives with the system interpreter.
    const std::string command =
        std::string("/usr/bin/python3 ") + VXCL_SOURCE_DIR +
        "/tests/graphics/foreign_pictures.py " + dir_->Path().string();
    made_ = std::system(command.c_str()) == 0;
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  static test::ScratchDir* dir_;
  static bool made_;
};

test::ScratchDir* ForeignPictures::dir_ = nullptr;
bool ForeignPictures::made_ = false;

TEST_F(ForeignPictures, DecodePixelForPixel) {
  ASSERT_TRUE(made_) << "foreign_pictures.py failed: the tests need the "
                        "imagemagick and python3-pil packages";
  std::istringstream manifest(Slurp(dir_->Path() / "manifest.txt"));
  std::string name;
  int width, height, pictures = 0;
  while (manifest >> name >> width >> height) {
    ++pictures;
    const std::string file = Slurp(dir_->Path() / name);
    const std::string expected = Slurp(dir_->Path() / (name + ".rgb"));
    std::unique_ptr<DecodedPicture> picture;
    if (name.ends_with(".bmp"))
      picture = std::make_unique<BmpPicture>(Bytes(file));
    else
      picture = std::make_unique<PcxPicture>(Bytes(file));
    ASSERT_EQ(picture->Width(), width) << name;
    ASSERT_EQ(picture->Height(), height) << name;

    const OneBitBitmap reduced = ReduceToOneBit(*picture);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
      picture->ColorRow(y, row.data());
      for (int x = 0; x < width; ++x) {
        const auto* want = reinterpret_cast<const std::uint8_t*>(
            &expected[(y * width + x) * 3]);
        const std::uint8_t* got = &row[x * 3];
        const bool white = want[0] == 255 && want[1] == 255 && want[2] == 255;
        if (std::equal(got, got + 3, want) && reduced.IsDark(x, y) != white)
          continue;
        if (++wrong <= 3)
          ADD_FAILURE() << name << " pixel (" << x << ", " << y
                        << "): " << int{got[0]} << " " << int{got[1]} << " "
                        << int{got[2]} << ", expected " << int{want[0]} << " "
                        << int{want[1]} << " " << int{want[2]};
      }
    }
    EXPECT_EQ(wrong, 0) << name;
  }
  EXPECT_GE(pictures, 18);
}

}  // namespace
}  // namespace vxcl
