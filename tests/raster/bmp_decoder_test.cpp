#include "raster/bmp_decoder.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "support/bytes.h"
#include "support/pictures.h"

namespace vxcl {
namespace {

using test::B;
using test::BmpFile;
using test::Drawn;
using test::Picture;
using test::Rgb;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::vector<Rgb> Colors(const std::string& file) {
  const BmpPicture picture(Bytes(file));
  std::vector<Rgb> colors(static_cast<std::size_t>(picture.Width()) *
                          picture.Height());
  for (int y = 0; y < picture.Height(); ++y)
    picture.ColorRow(y, colors[y * picture.Width()].data());
  return colors;
}

OneBitBitmap Reduced(const std::string& file) {
  return ReduceToOneBit(BmpPicture(Bytes(file)));
}

std::string Message(const std::string& file) {
  try {
    BmpPicture picture(Bytes(file));
  } catch (const PictureError& error) {
    return error.what();
  }
  return "decoded";
}

// The three masks after a 40-byte header, for BITFIELDS files.
std::string WithMasks(std::string file, std::uint32_t r, std::uint32_t g,
                      std::uint32_t b) {
  std::string masks;
  for (std::uint32_t m : {r, g, b})
    for (int i = 0; i < 4; ++i) masks += static_cast<char>(m >> (8 * i));
  file.insert(54, masks);
  file[10] = static_cast<char>(file[10] + 12);
  return file;
}

TEST(BmpDecoder, OnlyExactWhiteStaysWhite) {
  const Rgb row[] = {test::kWhite,    {254, 255, 255}, {255, 254, 255},
                     {255, 255, 254}, {211, 211, 211}, {0, 0, 0},
                     {255, 0, 0},     test::kWhite,    {250, 250, 250}};
  const std::string file =
      test::Bmp24(9, 1, [&](int x, int) { return row[x]; });
  EXPECT_EQ(Reduced(file), Drawn({".######.#"})) << Picture(Reduced(file));
  EXPECT_EQ(Colors(file)[1], row[1]);
}

TEST(BmpDecoder, RowsBottomUpOrTopDown) {
  // Two rows of 24 bits, 2 pixels: stored bottom row first unless the
  // height is negative.
  const std::string rows =
      B("<x00><x00><x00><xFF><xFF><xFF><x00><x00>"    // stored first
        "<xFF><xFF><xFF><x00><x00><xFF><x00><x00>");  // stored second
  EXPECT_EQ(Reduced(BmpFile(2, 2, 24, {}, rows)), Drawn({".#", "#."}));
  EXPECT_EQ(Reduced(BmpFile(2, -2, 24, {}, rows)), Drawn({"#.", ".#"}));
  EXPECT_EQ(Colors(BmpFile(2, -2, 24, {}, rows))[3], (Rgb{255, 0, 0}));
}

TEST(BmpDecoder, OneBitPicturesGoThroughTheirColourTable) {
  const std::string rows = B("<xA0><x00><x00><x00>");  // 1 0 1 0
  const Rgb blackFirst[] = {test::kBlack, test::kWhite};
  const Rgb whiteFirst[] = {test::kWhite, test::kBlack};
  const Rgb coloured[] = {{255, 0, 0}, {0, 0, 255}};
  EXPECT_EQ(Reduced(BmpFile(4, 1, 1, blackFirst, rows)), Drawn({".#.#"}));
  EXPECT_EQ(Reduced(BmpFile(4, 1, 1, whiteFirst, rows)), Drawn({"#.#."}));
  EXPECT_EQ(Reduced(BmpFile(4, 1, 1, coloured, rows)), Drawn({"####"}));
}

TEST(BmpDecoder, FourAndEightBitIndices) {
  const Rgb table[] = {test::kWhite, {1, 2, 3}, {4, 5, 6}};
  // 4 bits: indices 0 1 2 3, the last beyond the table (black).
  std::vector<Rgb> colors =
      Colors(BmpFile(4, 1, 4, table, B("<x01><x23><x00><x00>")));
  EXPECT_EQ(colors, (std::vector<Rgb>{
                        test::kWhite, {1, 2, 3}, {4, 5, 6}, test::kBlack}));
  colors = Colors(BmpFile(3, 1, 8, table, B("<x02><x00><x09><x00>")));
  EXPECT_EQ(colors, (std::vector<Rgb>{{4, 5, 6}, test::kWhite, test::kBlack}));
}

TEST(BmpDecoder, SixteenAndThirtyTwoBitMasks) {
  // 16 bits, 5-5-5 by default: 0x7FFF is white, 0x7FFE is not.
  std::string file = BmpFile(2, 1, 16, {}, B("<xFF><x7F><xFE><x7F>"));
  EXPECT_EQ(Colors(file)[1], (Rgb{255, 255, 0xF7}));
  EXPECT_EQ(Reduced(file), Drawn({".#"}));
  // 5-6-5 masks.
  file = WithMasks(BmpFile(2, 1, 16, {}, B("<xFF><xFF><x00><xF8>"), 3), 0xF800,
                   0x07E0, 0x001F);
  EXPECT_EQ(Colors(file), (std::vector<Rgb>{test::kWhite, {255, 0, 0}}));
  // 32 bits: the fourth byte (alpha or unused) does not count.
  file = BmpFile(2, 1, 32, {}, B("<xFF><xFF><xFF><x00><xFF><xFE><xFF><xFF>"));
  EXPECT_EQ(Reduced(file), Drawn({".#"}));
  file = WithMasks(
      BmpFile(2, 1, 32, {}, B("<x00><x00><x00><xFF><xFF><xFF><xFF><x00>"), 3),
      0xFF000000, 0x00FF0000, 0x0000FF00);
  EXPECT_EQ(Colors(file), (std::vector<Rgb>{{0xFF, 0, 0}, {0, 0xFF, 0xFF}}));
  EXPECT_EQ(Message(WithMasks(BmpFile(1, 1, 32, {}, std::string(4, '\0'), 3),
                              0xF0F000, 0xFF00, 0xFF)),
            "BMP: colour masks with gaps are not supported");
}

TEST(BmpDecoder, CoreHeaderWithAShortThreeByteTable) {
  // 12-byte header, 8 bits, a table of only two 3-byte entries before the
  // pixels.
  std::string file =
      B("BM<x00><x00><x00><x00><x00><x00><x00><x00><x20><x00><x00><x00>"
        "<x0C><x00><x00><x00><x02><x00><x01><x00><x01><x00><x08><x00>"
        "<xFF><xFF><xFF><x30><x20><x10>"
        "<x01><x00><x00><x00>");
  EXPECT_EQ(Colors(file), (std::vector<Rgb>{{0x10, 0x20, 0x30}, test::kWhite}));
}

TEST(BmpDecoder, TheLastRowMayLackItsPaddingButNotItsPixels) {
  const std::string rows =
      B("<x00><x00><x00><xFF><xFF><xFF><x00><x00>"
        "<x00><x00><x00><xFF><xFF><xFF>");
  EXPECT_EQ(Message(BmpFile(2, 2, 24, {}, rows)), "decoded");
  EXPECT_EQ(Message(BmpFile(2, 2, 24, {}, rows.substr(0, 13))),
            "BMP: the pixel data are cut short");
}

TEST(BmpDecoder, RefusesWhatItCannotRead) {
  const std::string good =
      test::Bmp24(3, 2, [](int, int) { return test::kWhite; });
  std::string bad = good;
  bad[0] = 'X';
  EXPECT_EQ(Message(bad), "Not a BMP file.");
  EXPECT_EQ(Message("BM"), "Not a BMP file.");
  EXPECT_EQ(Message(good.substr(0, 40)),
            "BMP: the file is shorter than its header");
  bad = good;
  bad[14] = 16;  // an OS/2 header of 16 bytes
  EXPECT_EQ(Message(bad), "BMP: unsupported header of 16 bytes");
  bad = good;
  bad[28] = 2;
  EXPECT_EQ(Message(bad), "BMP: 2 bits per pixel are not supported");
  bad = good;
  bad[28] = 8;
  bad[30] = 1;  // run-length encoded
  EXPECT_EQ(Message(bad), "BMP: compressed pictures are not supported");
  bad = good;
  bad[10] = '\x7F';  // pixels said to start beyond the data
  EXPECT_EQ(Message(bad), "BMP: the pixel data are cut short");
  const Rgb table[2] = {};
  EXPECT_EQ(Message(BmpFile(8, 1, 1, table, "").substr(0, 58)),
            "BMP: the colour table is cut short");
  bad = good;
  bad[18] = bad[19] = 0;  // width 0
  EXPECT_EQ(Message(bad), "BMP: the picture has no pixels");
}

TEST(BmpDecoder, RefusesHugePicturesBeforeAllocating) {
  EXPECT_EQ(Message(BmpFile(40000, 1, 1, {}, "")),
            "BMP: the picture is wider or taller than 32767 pixels");
  EXPECT_EQ(Message(BmpFile(1, -40000, 1, {}, "")),
            "BMP: the picture is wider or taller than 32767 pixels");
  EXPECT_EQ(Message(BmpFile(20000, 20000, 1, {}, "")),
            "BMP: the picture is larger than 256 MiB");
  // The most negative height cannot be negated in 32 bits.
  std::string file = BmpFile(1, 1, 24, {}, "");
  file[22] = file[23] = file[24] = 0;
  file[25] = '\x80';
  EXPECT_EQ(Message(file),
            "BMP: the picture is wider or taller than 32767 pixels");
}

}  // namespace
}  // namespace vxcl
