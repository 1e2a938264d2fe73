#include "support/pictures.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vxcl::test {

namespace {

void Put16(std::string& s, std::size_t at, unsigned v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, std::size_t at, std::uint32_t v) {
  Put16(s, at, v & 0xFFFF);
  Put16(s, at + 2, v >> 16);
}

}  // namespace

std::string BmpFile(int width, int height, int bitsPerPixel,
                    std::span<const Rgb> colorTable, std::string_view rows,
                    std::uint32_t compression) {
  const std::size_t pixels = 14 + 40 + 4 * colorTable.size();
  std::string file(pixels, '\0');
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, static_cast<std::uint32_t>(pixels + rows.size()));
  Put32(file, 10, static_cast<std::uint32_t>(pixels));
  Put32(file, 14, 40);
  Put32(file, 18, static_cast<std::uint32_t>(width));
  Put32(file, 22, static_cast<std::uint32_t>(height));
  Put16(file, 26, 1);
  Put16(file, 28, static_cast<unsigned>(bitsPerPixel));
  Put32(file, 30, compression);
  Put32(file, 34, static_cast<std::uint32_t>(rows.size()));
  Put32(file, 46, static_cast<std::uint32_t>(colorTable.size()));
  for (std::size_t i = 0; i < colorTable.size(); ++i) {
    file[54 + 4 * i] = static_cast<char>(colorTable[i][2]);
    file[55 + 4 * i] = static_cast<char>(colorTable[i][1]);
    file[56 + 4 * i] = static_cast<char>(colorTable[i][0]);
  }
  file.append(rows);
  return file;
}

std::string Bmp24(int width, int height,
                  const std::function<Rgb(int x, int y)>& pixel) {
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  std::string rows;
  for (int y = height - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, y);
      row[3 * x] = static_cast<char>(c[2]);
      row[3 * x + 1] = static_cast<char>(c[1]);
      row[3 * x + 2] = static_cast<char>(c[0]);
    }
    rows += row;
  }
  return BmpFile(width, height, 24, {}, rows);
}

std::string PcxFile(const PcxHeader& h, std::string_view data) {
  std::string file(128, '\0');
  file[0] = static_cast<char>(h.manufacturer);
  file[1] = static_cast<char>(h.version);
  file[2] = static_cast<char>(h.encoding);
  file[3] = static_cast<char>(h.bitsPerPixel);
  Put16(file, 4, h.xMin);
  Put16(file, 6, h.yMin);
  Put16(file, 8, h.xMax);
  Put16(file, 10, h.yMax);
  std::memcpy(&file[16], h.palette.data(), h.palette.size());
  file[65] = static_cast<char>(h.planes);
  Put16(file, 66, h.bytesPerLine);
  Put16(file, 68, h.paletteInfo);
  file.append(data);
  return file;
}

OneBitBitmap ReadGraphic(std::string_view command) {
  if (command.size() < 9 || command.substr(0, 3) != "\x1bGB") {
    ADD_FAILURE() << "not a graphic command";
    return {};
  }
  const int bytesPerRow = std::stoi(std::string(command.substr(3, 3)));
  const int blocks = std::stoi(std::string(command.substr(6, 3)));
  const std::string_view data = command.substr(9);
  if (data.size() != static_cast<std::size_t>(bytesPerRow) * blocks * 8) {
    ADD_FAILURE() << "graphic data of " << data.size() << " bytes for "
                  << bytesPerRow << " x " << blocks;
    return {};
  }
  OneBitBitmap bitmap(bytesPerRow * 8, blocks * 8);
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(bitmap.Row(y), data.data() + y * bytesPerRow, bytesPerRow);
  return bitmap;
}

OneBitBitmap Drawn(std::initializer_list<std::string_view> rows) {
  const int height = static_cast<int>(rows.size());
  const int width = height == 0 ? 0 : static_cast<int>(rows.begin()->size());
  OneBitBitmap bitmap(width, height);
  int y = 0;
  for (std::string_view row : rows) {
    for (int x = 0; x < width; ++x) bitmap.SetDark(x, y, row[x] == '#');
    ++y;
  }
  return bitmap;
}

std::string Picture(const OneBitBitmap& bitmap) {
  std::string text;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x)
      text += bitmap.IsDark(x, y) ? '#' : '.';
    text += '\n';
  }
  return text;
}

}  // namespace vxcl::test

namespace vxcl {
void PrintTo(const OneBitBitmap& bitmap, std::ostream* out) {
  *out << bitmap.Width() << " x " << bitmap.Height() << "\n"
       << test::Picture(bitmap);
}
}  // namespace vxcl
