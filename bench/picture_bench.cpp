// Placing large pictures: a 2400 x 1600 24-bit BMP and a 1-bit PCX of the
// same size, unscaled, turned by 90 degrees (read, reduce to one bit, pad,
// turn, encode, append). The pictures are written once to
// $VXCL_PICTURE_DIR (default: the temporary directory), where
// bench/pil_picture_pipeline.py also finds them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphics/picture_placement.h"
#include "support/open_job_state.h"

namespace {

constexpr int kWidth = 2400, kHeight = 1600;

std::filesystem::path PictureDir() {
  const char* dir = std::getenv("VXCL_PICTURE_DIR");
  std::filesystem::path path =
      dir ? dir : std::filesystem::temp_directory_path() / "vxcl-picture-bench";
  std::filesystem::create_directories(path);
  return path;
}

// A photo-like colour ramp with white discs and a dark grid: every kind of
// run for the one-bit reduction and the run-length coder.
bool WhiteAt(int x, int y) {
  const int cx = x % 400 - 200, cy = y % 400 - 200;
  return cx * cx + cy * cy < 120 * 120 && (x / 7 + y / 5) % 11 != 0;
}

void Put(std::string& s, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i));
}

std::string Bmp() {
  const std::uint32_t rowBytes = kWidth * 3, pixels = 54;
  std::string f = "BM";
  Put(f, pixels + rowBytes * kHeight, 4);
  Put(f, 0, 4);
  Put(f, pixels, 4);
  Put(f, 40, 4);
  Put(f, kWidth, 4);
  Put(f, kHeight, 4);
  Put(f, 1, 2);
  Put(f, 24, 2);
  Put(f, 0, 4);
  Put(f, rowBytes * kHeight, 4);
  Put(f, 0, 16);
  for (int y = kHeight - 1; y >= 0; --y)
    for (int x = 0; x < kWidth; ++x) {
      if (WhiteAt(x, y)) {
        f.append(3, '\xFF');
        continue;
      }
      f += static_cast<char>(x * 255 / kWidth);
      f += static_cast<char>(y * 255 / kHeight);
      f += static_cast<char>((x + y) & 0xFF);
    }
  return f;
}

std::string Pcx() {
  const int bytesPerLine = kWidth / 8;
  std::string f(128, '\0');
  f[0] = 0x0A;
  f[1] = 5;
  f[2] = 1;
  f[3] = 1;
  f[8] = static_cast<char>((kWidth - 1) & 0xFF);
  f[9] = static_cast<char>((kWidth - 1) >> 8);
  f[10] = static_cast<char>((kHeight - 1) & 0xFF);
  f[11] = static_cast<char>((kHeight - 1) >> 8);
  f[65] = 1;
  f[66] = static_cast<char>(bytesPerLine & 0xFF);
  f[67] = static_cast<char>(bytesPerLine >> 8);
  f[68] = 1;
  for (int y = 0; y < kHeight; ++y) {
    std::string row;
    for (int i = 0; i < bytesPerLine; ++i) {
      unsigned byte = 0;
      for (int b = 0; b < 8; ++b) byte = (byte << 1) | WhiteAt(8 * i + b, y);
      row += static_cast<char>(byte);
    }
    for (int i = 0; i < bytesPerLine;) {
      int run = 1;
      while (i + run < bytesPerLine && run < 63 && row[i + run] == row[i])
        ++run;
      if (run > 1 || static_cast<unsigned char>(row[i]) >= 0xC0)
        f += static_cast<char>(0xC0 | run);
      f += row[i];
      i += run;
    }
  }
  return f;
}

std::string PictureFile(const char* name, std::string (*make)()) {
  const std::filesystem::path path = PictureDir() / name;
  if (!std::filesystem::exists(path)) {
    const std::string bytes = make();
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  return path.string();
}

using DrawFn = vxcl::Outcome (*)(vxcl::JobState&, int, double, double, double,
                                 double, std::optional<std::string_view>);

void Place(benchmark::State& state, DrawFn draw, const std::string& file) {
  vxcl::JobState job = vxcl::test::OpenJobState();
  for (auto _ : state) {
    if (draw(job, 90, 10.0, 250.0, 0.0, 0.0, file).code != VXCL_OK)
      state.SkipWithError("the picture was not placed");
    benchmark::DoNotOptimize(job.body.data());
    job.body = std::string();  // a fresh job body, as each label has
  }
}

void BM_Bmp24Rotated90(benchmark::State& state) {
  Place(state, vxcl::AddBmpPicture, PictureFile("picture24.bmp", Bmp));
}
BENCHMARK(BM_Bmp24Rotated90)->Unit(benchmark::kMillisecond);

void BM_Pcx1Rotated90(benchmark::State& state) {
  Place(state, vxcl::AddPcxPicture, PictureFile("picture1.pcx", Pcx));
}
BENCHMARK(BM_Pcx1Rotated90)->Unit(benchmark::kMillisecond);

}  // namespace
