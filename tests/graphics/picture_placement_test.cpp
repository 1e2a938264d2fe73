// PrnDrawBMP and PrnDrawPCX as whole calls on an open job.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "support/bytes.h"
#include "support/graphic_element.h"
#include "support/job_fixture.h"
#include "support/pictures.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using DrawFn = int (*)(int, double, double, double, double, const char*);

class PictureTest : public JobTest {
 protected:
  // A job whose label is as wide as the printer: media offset 0, so H is
  // the converted x alone.
  void OpenFullWidthJob() { OpenJob(104.0); }

  // A width x height BMP, dark exactly where `dark` says.
  std::string Bmp(int width, int height, bool (*dark)(int x, int y)) {
    return dir_.Write("picture.bmp", Bmp24(width, height, [&](int x, int y) {
                        return dark(x, y) ? kBlack : kWhite;
                      }));
  }

  // The same as a run-length encoded black-and-white PCX.
  std::string Pcx(int width, int height, bool (*dark)(int x, int y)) {
    const int bytesPerLine = (width + 7) / 8 + ((width + 7) / 8) % 2;
    std::string data;
    for (int y = 0; y < height; ++y)
      for (int i = 0; i < bytesPerLine; ++i) {
        unsigned byte = 0xFF;  // set bits are white
        for (int b = 0; b < 8 && 8 * i + b < width; ++b)
          if (dark(8 * i + b, y)) byte &= ~(0x80u >> b);
        data += '\xC1';  // each byte as a run of one, to exercise runs
        data += static_cast<char>(byte);
      }
    PcxHeader header;
    header.xMax = static_cast<std::uint16_t>(width - 1);
    header.yMax = static_cast<std::uint16_t>(height - 1);
    header.bytesPerLine = static_cast<std::uint16_t>(bytesPerLine);
    return dir_.Write("picture.pcx", PcxFile(header, data));
  }

  // Ends the job: the element the printer received.
  GraphicElement Printed() { return ParseGraphicElement(PrintedElements()); }

  static std::string LastError() {
    char message[200] = {};
    VxclLastError(message, sizeof message);
    return message;
  }

  ScratchDir dir_;
};

bool AllDark(int, int) { return true; }
bool TopLeftOnly(int x, int y) { return x == 0 && y == 0; }

TEST_F(PictureTest, TwentyByTenBmpAtTenAndFiveMillimetres) {
  OpenFullWidthJob();
  const std::string file = Bmp(20, 10, AllDark);
  ASSERT_EQ(PrnDrawBMP(0, 10.0, 5.0, 0.0, 0.0, file.c_str()), 1);
  std::string rows;
  for (int y = 0; y < 16; ++y)
    rows += y < 10 ? B("<xFF><xFF><xF0>") : B("<NUL><NUL><NUL>");
  EXPECT_EQ(Show(PrintedElements()),
            Show(B("<ESC>%0<ESC>H80<ESC>V40<ESC>GB003002") + rows));
}

TEST_F(PictureTest, WholeJobOnThePrinter) {
  OpenJob();  // MediaOffsetDots 32
  const std::string file = Pcx(16, 8, AllDark);
  ASSERT_EQ(PrnDrawPCX(0, 0.0, 0.0, 0.0, 0.0, file.c_str()), 1);
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  std::string rows;
  for (int y = 0; y < 16; ++y)
    rows += y < 8 ? B("<xFF><xFF><NUL>") : B("<NUL><NUL><NUL>");
  EXPECT_EQ(Show(LastSentJob()),
            Show(OpenJobHeader() + B("<ESC>%0<ESC>H32<ESC>V0<ESC>GB003002") +
                 rows + B("<ESC>Q1<ESC>Z<ETX>")));
}

TEST_F(PictureTest, WidthsAndHeightsArePaddedByOneToEight) {
  struct Case {
    int width, height;
    const char* sizes;
  } cases[] = {{16, 8, "003002"},
               {17, 9, "003002"},
               {23, 15, "003002"},
               {24, 16, "004003"},
               {1, 1, "001001"}};
  for (DrawFn draw : {&PrnDrawBMP, &PrnDrawPCX})
    for (const Case& c : cases) {
      const std::string file = draw == &PrnDrawBMP
                                   ? Bmp(c.width, c.height, AllDark)
                                   : Pcx(c.width, c.height, AllDark);
      OpenFullWidthJob();
      ASSERT_EQ(draw(0, 0.0, 0.0, 0.0, 0.0, file.c_str()), 1);
      const GraphicElement e = Printed();
      EXPECT_EQ(e.header, B("<ESC>GB") + c.sizes)
          << c.width << " x " << c.height;
      // The padding is white.
      const OneBitBitmap& g = e.bitmap;
      EXPECT_TRUE(g.IsDark(c.width - 1, c.height - 1));
      EXPECT_FALSE(g.IsDark(c.width, 0));
      EXPECT_FALSE(g.IsDark(0, c.height));
    }
}

TEST_F(PictureTest, PrinterRotationsAndOutOfRangeValues) {
  const std::string file = Bmp(20, 10, TopLeftOnly);
  struct Case {
    int rotation, code;
    const char* prefix;
  } cases[] = {{0, 1, "<ESC>%0"},  {1, 1, "<ESC>%1"},   {2, 1, "<ESC>%2"},
               {3, 1, "<ESC>%3"},  {4, 7, "<ESC>%0"},   {45, 7, "<ESC>%0"},
               {-1, 7, "<ESC>%0"}, {360, 7, "<ESC>%0"}, {91, 7, "<ESC>%0"}};
  for (const Case& c : cases) {
    OpenFullWidthJob();
    EXPECT_EQ(PrnDrawBMP(c.rotation, 10.0, 5.0, 0.0, 0.0, file.c_str()), c.code)
        << c.rotation;
    const GraphicElement e = Printed();
    EXPECT_EQ(e.prefix, B(c.prefix)) << c.rotation;
    EXPECT_EQ(e.h, 80) << c.rotation;
    EXPECT_EQ(e.v, 40) << c.rotation;
    EXPECT_EQ(e.bitmap.Width(), 24);  // unturned
    EXPECT_TRUE(e.bitmap.IsDark(0, 0));
  }
}

TEST_F(PictureTest, LibraryTurnsKeepTheTopLeftCornerInPlace) {
  // A 20 x 10 picture at H 80, V 40 whose top-left pixel alone is dark.
  // BMP pictures turn padded (24 x 16), PCX pictures turn first and are
  // padded after.
  struct Case {
    int rotation;
    bool bmp;
    long long h, v;
    int width, height, darkX, darkY;
  } cases[] = {
      {90, true, 80, 16, 16, 24, 0, 23},   {180, true, 56, 24, 24, 16, 23, 15},
      {270, true, 64, 40, 16, 24, 15, 0},  {90, false, 80, 20, 16, 24, 0, 19},
      {180, false, 60, 30, 24, 16, 19, 9}, {270, false, 70, 40, 16, 24, 9, 0},
  };
  for (const Case& c : cases) {
    const std::string file =
        c.bmp ? Bmp(20, 10, TopLeftOnly) : Pcx(20, 10, TopLeftOnly);
    OpenFullWidthJob();
    ASSERT_EQ((c.bmp ? PrnDrawBMP : PrnDrawPCX)(c.rotation, 10.0, 5.0, 0.0, 0.0,
                                                file.c_str()),
              1);
    const GraphicElement e = Printed();
    const std::string what =
        std::string(c.bmp ? "BMP " : "PCX ") + std::to_string(c.rotation);
    EXPECT_EQ(e.prefix, B("<ESC>%0")) << what;
    EXPECT_EQ(e.h, c.h) << what;
    EXPECT_EQ(e.v, c.v) << what;
    OneBitBitmap expected(c.width, c.height);
    expected.SetDark(c.darkX, c.darkY, true);
    EXPECT_EQ(e.bitmap, expected) << what << "\n" << Picture(e.bitmap);
  }
}

TEST_F(PictureTest, PositionsMayTurnNegative) {
  OpenFullWidthJob();
  const std::string file = Bmp(20, 10, AllDark);
  ASSERT_EQ(PrnDrawBMP(180, 1.0, 0.0, 0.0, 0.0, file.c_str()), 1);
  const GraphicElement e = Printed();
  EXPECT_EQ(e.h, -16);
  EXPECT_EQ(e.v, -16);
}

TEST_F(PictureTest, ScalingNeedsBothSizes) {
  OpenFullWidthJob();
  const std::string file = Bmp(20, 10, TopLeftOnly);
  // One size 0: the picture's own size, the other ignored.
  ASSERT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.0, 25.0, file.c_str()), 1);
  EXPECT_EQ(Printed().bitmap.Width(), 24);
  // 5 x 2.5 mm at 8 dots/mm: 40 x 20 dots, each pixel a 2 x 2 block.
  OpenFullWidthJob();
  ASSERT_EQ(
      PrnDrawPCX(90, 0.0, 10.0, 5.0, 2.5, Pcx(20, 10, TopLeftOnly).c_str()), 1);
  const GraphicElement e = Printed();
  EXPECT_EQ(e.v, 40);             // 80 - the scaled width
  OneBitBitmap expected(24, 48);  // turned to 20 x 40, then padded
  for (int y : {38, 39})
    for (int x : {0, 1}) expected.SetDark(x, y, true);
  EXPECT_EQ(e.bitmap, expected) << Picture(e.bitmap);
}

TEST_F(PictureTest, ShrinkingKeepsDarkPixels) {
  OpenFullWidthJob();
  const std::string file = Bmp(20, 10, TopLeftOnly);
  ASSERT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.125, 0.125, file.c_str()), 1);
  EXPECT_EQ(Printed().bitmap,
            Drawn({"#.......", "........", "........", "........", "........",
                   "........", "........", "........"}));
}

TEST_F(PictureTest, OnlyExactWhiteStaysBlank) {
  OpenFullWidthJob();
  // A light grey background with a white and a near-white pixel.
  const std::string file = dir_.Write("grey.bmp", Bmp24(8, 1, [](int x, int) {
                                        if (x == 2) return kWhite;
                                        if (x == 5) return Rgb{255, 255, 254};
                                        return Rgb{211, 211, 211};
                                      }));
  ASSERT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.0, 0.0, file.c_str()), 1);
  EXPECT_EQ(Printed().bitmap.Row(0)[0], 0xDF);
}

TEST_F(PictureTest, RefusalsAppendNothing) {
  const std::string bmp = Bmp(20, 10, AllDark);
  const std::string pcx = Pcx(20, 10, AllDark);
  OpenFullWidthJob();
  ASSERT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.0, 0.0, bmp.c_str()), 1);
  const std::string alone = PrintedElements();
  PcxHeader twoBits;
  twoBits.bitsPerPixel = 2;
  const std::string two = dir_.Write("two.pcx", PcxFile(twoBits, ""));
  const std::string missing = (dir_.Path() / "missing.bmp").string();
  const std::string directory = dir_.Path().string();
  const std::string text = dir_.Write("text.bmp", "not a picture");
  struct Case {
    DrawFn draw;
    int rotation;
    double width, height;
    const char* file;
    int code;
    const char* message;  // in the message; nullptr: not checked
  } cases[] = {
      {&PrnDrawBMP, 0, 0, 0, nullptr, 48, nullptr},
      {&PrnDrawPCX, 45, 0, 0, nullptr, 48, nullptr},
      {&PrnDrawBMP, 0, 0, 0, "", 49, nullptr},
      {&PrnDrawPCX, 0, 0, 0, missing.c_str(), 49, nullptr},
      {&PrnDrawBMP, 0, 0, 0, directory.c_str(), 49, nullptr},
      {&PrnDrawBMP, 0, 0, 0, text.c_str(), 50, "Not a BMP file."},
      {&PrnDrawPCX, 0, 0, 0, text.c_str(), 50, "Not a PCX or SCR file."},
      {&PrnDrawPCX, 0, 0, 0, bmp.c_str(), 50, "Not a PCX or SCR file."},
      {&PrnDrawPCX, 0, 0, 0, two.c_str(), 50, "PCX: wrong pixel format"},
      {&PrnDrawBMP, 0, 0, 0, pcx.c_str(), 50, "Not a BMP file."},
      {&PrnDrawBMP, 0, 0.01, 5.0, bmp.c_str(), 51,
       "Width 0.01 mm converts to 0 dots"},
      {&PrnDrawPCX, 4, 5.0, -1.0, pcx.c_str(), 51,
       "Height -1 mm converts to -7 dots"},
      {&PrnDrawPCX, 0, 5000.0, 5.0, pcx.c_str(), 51,
       "Width 5000 mm converts to 40000 dots"},
      // The size is checked before the file is read.
      {&PrnDrawBMP, 0, 0.01, 5.0, text.c_str(), 51, nullptr},
  };
  for (const Case& c : cases) {
    OpenFullWidthJob();
    ASSERT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.0, 0.0, bmp.c_str()), 1);
    EXPECT_EQ(c.draw(c.rotation, 0.0, 0.0, c.width, c.height, c.file), c.code)
        << (c.file ? c.file : "null");
    if (c.message) {
      EXPECT_NE(LastError().find(c.message), std::string::npos) << LastError();
    }
    EXPECT_EQ(PrintedElements(), alone) << c.code;
  }
}

// Another thread swaps the picture's name between a BMP and a FIFO: every
// call answers at once, drawing the BMP (1) or finding no picture file
// (49), and none waits for a writer to open the FIFO.
TEST_F(PictureTest, NameSwappedForAFifoNeverHoldsTheCall) {
  const std::string bmp = Bmp(8, 8, AllDark);
  const std::string fifo = (dir_.Path() / "fifo").string();
  const std::string next = (dir_.Path() / "next").string();
  const std::string target = (dir_.Path() / "target").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::link(bmp.c_str(), target.c_str()), 0);
  OpenFullWidthJob();
  EXPECT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.0, 0.0, fifo.c_str()), 49);

  std::atomic<bool> done{false};
  std::thread swapper([&] {
    for (bool toFifo = true; !done; toFifo = !toFifo) {
      ::unlink(next.c_str());
      if (::link((toFifo ? fifo : bmp).c_str(), next.c_str()) == 0)
        ::rename(next.c_str(), target.c_str());
    }
  });
  // A call held by the FIFO is let go by a writer, and counted.
  std::atomic<int> held{0};
  std::thread watchdog([&] {
    auto last = std::chrono::steady_clock::now();
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (std::chrono::steady_clock::now() - last < std::chrono::seconds(5))
        continue;
      const int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
      ++held;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (writer >= 0) ::close(writer);
      last = std::chrono::steady_clock::now();
    }
  });
  int drawn = 0, other = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (std::chrono::steady_clock::now() < end) {
    const int result = PrnDrawBMP(0, 0.0, 0.0, 0.0, 0.0, target.c_str());
    if (result == 1)
      ++drawn;
    else if (result != 49)
      ++other;
  }
  done = true;
  swapper.join();
  watchdog.join();
  EXPECT_EQ(held, 0);
  EXPECT_EQ(other, 0);
  EXPECT_GT(drawn, 0);
}

TEST_F(PictureTest, NoJobMeansNothingIsChecked) {
  EXPECT_EQ(PrnDrawBMP(0, 0.0, 0.0, 0.0, 0.0, nullptr), 0);
  EXPECT_EQ(PrnDrawPCX(-5, 0.0, 0.0, 0.0, 0.0, "missing.pcx"), 0);
}

}  // namespace
}  // namespace vxcl::test
