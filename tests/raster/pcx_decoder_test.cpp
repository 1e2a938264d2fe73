#include "raster/pcx_decoder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <span>
#include <vector>

#include "support/bytes.h"
#include "support/pictures.h"

namespace vxcl {
namespace {

using test::B;
using test::PcxFile;
using test::PcxHeader;
using test::Picture;
using test::Rgb;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

PcxHeader OneBit(int width, int height, int bytesPerLine) {
  PcxHeader h;
  h.xMax = static_cast<std::uint16_t>(width - 1);
  h.yMax = static_cast<std::uint16_t>(height - 1);
  h.bytesPerLine = static_cast<std::uint16_t>(bytesPerLine);
  return h;
}

// The picture's one-bit rows as bytes (set bit = dark).
std::string OneBitRows(const std::string& file) {
  const OneBitBitmap bitmap = ReduceToOneBit(PcxPicture(Bytes(file)));
  std::string rows;
  for (int y = 0; y < bitmap.Height(); ++y)
    rows.append(reinterpret_cast<const char*>(bitmap.Row(y)),
                bitmap.BytesPerRow());
  return rows;
}

std::vector<Rgb> Colors(const std::string& file) {
  const PcxPicture picture(Bytes(file));
  std::vector<Rgb> colors(static_cast<std::size_t>(picture.Width()) *
                          picture.Height());
  for (int y = 0; y < picture.Height(); ++y)
    picture.ColorRow(y, colors[y * picture.Width()].data());
  return colors;
}

TEST(PcxRunLength, CountsValuesAndLiterals) {
  // 16 x 2 pixels, two bytes a row; clear PCX bits are black.
  struct Case {
    const char* name;
    const char* data;
    const char* dark;  // the one-bit rows
  } cases[] = {
      {"C3 FF writes three FF bytes", "<xC3><xFF><x00>",
       "<x00><x00><x00><xFF>"},
      {"C0 writes nothing and takes its value",
       "<xC0><x55><x00><x00><x00><x00>", "<xFF><xFF><xFF><xFF>"},
      {"a literal BF", "<xBF><xFF><xFF><xFF>", "<x40><x00><x00><x00>"},
      {"a run crosses into the next row", "<xC3><x0F><xBF>",
       "<xF0><xF0><xF0><x40>"},
      {"a run longer than the picture is cut", "<xC5><x0F><x00><x00>",
       "<xF0><xF0><xF0><xF0>"},
      {"a stream ending early leaves white", "<x00><x00>",
       "<xFF><xFF><x00><x00>"},
      {"a count without its value leaves white", "<x00><x00><x00><xC2>",
       "<xFF><xFF><xFF><x00>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(test::Show(OneBitRows(PcxFile(OneBit(16, 2, 2), B(c.data)))),
              test::Show(B(c.dark)))
        << c.name;
}

TEST(PcxRunLength, RawDataAreTakenAsTheyAre) {
  PcxHeader raw = OneBit(16, 2, 2);
  raw.encoding = 0;
  EXPECT_EQ(OneBitRows(PcxFile(raw, B("<xC3><xFF><x00>"))),
            B("<x3C><x00><xFF><x00>"));
}

TEST(PcxDecoder, OneBitRowsKeepAllPixelsAndIgnoreTheHeaderPalette) {
  // 100 pixels need 13 bytes; the stored row has 14 and stray tail bits.
  PcxHeader h = OneBit(100, 1, 14);
  h.encoding = 0;
  h.palette.fill(0x40);  // not used for black and white
  const std::string file = PcxFile(h, std::string(14, '\0'));
  const OneBitBitmap bitmap = ReduceToOneBit(PcxPicture(Bytes(file)));
  ASSERT_EQ(bitmap.Width(), 100);
  for (int x = 0; x < 100; ++x) ASSERT_TRUE(bitmap.IsDark(x, 0)) << x;
  EXPECT_EQ(bitmap.Row(0)[12], 0xF0);  // pixels 96..99, then clear bits
  EXPECT_EQ(Colors(file)[0], test::kBlack);
}

TEST(PcxDecoder, SixteenColoursFromFourBitPlanes) {
  // Eight pixels with indices 0..7 and 8..15 on two rows: plane k holds
  // bit k of each index.
  PcxHeader h = OneBit(8, 2, 1);
  h.planes = 4;
  h.encoding = 0;
  for (int i = 0; i < 16; ++i) h.palette[3 * i] = static_cast<uint8_t>(i);
  const std::string data = B("<x55><x33><x0F><x00><x55><x33><x0F><xFF>");
  std::vector<Rgb> colors = Colors(PcxFile(h, data));
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(colors[i], (Rgb{static_cast<uint8_t>(i), 0, 0})) << i;

  h.version = 3;  // the standard palette
  colors = Colors(PcxFile(h, data));
  EXPECT_EQ(colors[7], (Rgb{128, 128, 128}));
  EXPECT_EQ(colors[8], (Rgb{192, 192, 192}));
  EXPECT_EQ(colors[15], test::kWhite);

  h.version = 5;
  h.paletteInfo = 2;  // grey ramp 16i: even the lightest grey prints
  const std::string grey = PcxFile(h, data);
  colors = Colors(grey);
  EXPECT_EQ(colors[15], (Rgb{240, 240, 240}));
  EXPECT_EQ(OneBitRows(grey), B("<xFF><xFF>"));
}

TEST(PcxDecoder, EightBitPaletteFromTheFileTail) {
  PcxHeader h = OneBit(4, 1, 4);
  h.bitsPerPixel = 8;
  h.encoding = 0;
  std::string palette(768, '\0');
  palette[3 * 5] = palette[3 * 5 + 1] = palette[3 * 5 + 2] = '\xFF';
  palette[3 * 6] = '\x12';
  // Two pixels of data: the other two are missing (white), not taken from
  // the marker and palette that end the file.
  const std::string file = PcxFile(h, B("<x05><x06>") + B("<x0C>") + palette);
  const std::vector<Rgb> colors = Colors(file);
  EXPECT_EQ(colors[0], test::kWhite);
  EXPECT_EQ(colors[1], (Rgb{0x12, 0, 0}));
  EXPECT_EQ(colors[2], test::kWhite);
  EXPECT_EQ(OneBitRows(file), B("<x40>"));
}

TEST(PcxDecoder, EightBitIndicesWithoutColoursAreGreyLevels) {
  PcxHeader h = OneBit(4, 1, 4);
  h.bitsPerPixel = 8;
  h.encoding = 0;
  // No marker: 769 bytes at the end are still not pixel data.
  const std::string tail(769, '\x01');
  std::string file = PcxFile(h, B("<xFF><xFE><x10><x0F>") + tail);
  std::vector<Rgb> colors = Colors(file);
  EXPECT_EQ(colors[0], test::kWhite);
  EXPECT_EQ(colors[1], (Rgb{254, 254, 254}));
  EXPECT_EQ(OneBitRows(file), B("<x70>"));

  // Version 3: the standard 16 colours, grey levels above them.
  h.version = 3;
  file = PcxFile(
      h, B("<xFF><xFE><x10><x0F>") + B("<x0C>") + std::string(768, '\xFF'));
  colors = Colors(file);
  EXPECT_EQ(colors[2], (Rgb{16, 16, 16}));
  EXPECT_EQ(colors[3], test::kWhite);  // standard index 15
  EXPECT_EQ(OneBitRows(file), B("<x60>"));
}

TEST(PcxDecoder, TwentyFourBitPlanes) {
  PcxHeader h = OneBit(3, 1, 4);  // one byte of padding a plane
  h.bitsPerPixel = 8;
  h.planes = 3;
  h.encoding = 0;
  const std::string file = PcxFile(
      h, B("<x01><xFF><xFF><x00><x02><xFF><xFE><x00><x03><xFF><xFF><x00>"));
  const std::vector<Rgb> colors = Colors(file);
  EXPECT_EQ(colors[0], (Rgb{1, 2, 3}));
  EXPECT_EQ(colors[1], test::kWhite);
  EXPECT_EQ(colors[2], (Rgb{255, 254, 255}));
  EXPECT_EQ(OneBitRows(file), B("<xA0>"));
}

TEST(PcxDecoder, RefusesWhatItCannotRead) {
  auto message = [](const std::string& file) -> std::string {
    try {
      PcxPicture picture(Bytes(file));
    } catch (const PictureError& error) {
      return error.what();
    }
    return "decoded";
  };
  const PcxHeader good = OneBit(16, 2, 2);
  PcxHeader h = good;
  h.manufacturer = 0x05;
  EXPECT_EQ(message(PcxFile(h, "")), "Not a PCX or SCR file.");
  EXPECT_EQ(message(""), "Not a PCX or SCR file.");
  h.manufacturer = 0xCD;  // SCR
  EXPECT_EQ(message(PcxFile(h, "")), "decoded");
  EXPECT_EQ(message(PcxFile(good, "").substr(0, 127)),
            "PCX: the file is shorter than its 128-byte header");

  for (auto [bits, planes] : {std::pair{2, 1}, {8, 4}, {1, 3}, {4, 1}}) {
    h = good;
    h.bitsPerPixel = static_cast<uint8_t>(bits);
    h.planes = static_cast<uint8_t>(planes);
    EXPECT_EQ(message(PcxFile(h, "")), "PCX: wrong pixel format")
        << bits << " x " << planes;
  }

  h = good;
  h.xMin = 5;
  h.xMax = 4;
  EXPECT_EQ(message(PcxFile(h, "")),
            "PCX: Xmax or Ymax is less than Xmin or Ymin");
  h = good;
  h.bytesPerLine = 1;  // 16 pixels need 2
  EXPECT_EQ(message(PcxFile(h, "")),
            "PCX: the bytes per line are too few for the width");
  h.bitsPerPixel = 8;
  h.bytesPerLine = 15;
  EXPECT_EQ(message(PcxFile(h, "")),
            "PCX: the bytes per line are too few for the width");
}

TEST(PcxDecoder, RefusesHugePicturesBeforeAllocating) {
  PcxHeader wide = OneBit(40000, 1, 5000);
  EXPECT_THROW(PcxPicture(Bytes(PcxFile(wide, ""))), PictureError);
  // 30000 x 30000 in 24-bit colour is 2.5 GiB; the header alone asks it.
  PcxHeader big = OneBit(30000, 30000, 30000);
  big.bitsPerPixel = 8;
  big.planes = 3;
  const auto start = std::chrono::steady_clock::now();
  try {
    PcxPicture picture(Bytes(PcxFile(big, "")));
    ADD_FAILURE() << "decoded";
  } catch (const PictureError& error) {
    EXPECT_STREQ(error.what(), "PCX: the picture is larger than 256 MiB");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  // Bytes per line far beyond the width count too.
  PcxHeader padded = OneBit(8, 8000, 65535);
  padded.planes = 4;
  EXPECT_THROW(PcxPicture(Bytes(PcxFile(padded, ""))), PictureError);
}

}  // namespace
}  // namespace vxcl
