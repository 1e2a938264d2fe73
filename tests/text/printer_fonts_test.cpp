// The printer-font calls, byte for byte, on a 203 dpi job whose media
// offset is 32 dots (so 10 mm across is H112 and 5 mm down is V40).
#include <gtest/gtest.h>

#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

constexpr unsigned kMinusOne = 0xFFFFFFFFu;  // a host's -1

using PrinterFontTest = JobTest;

TEST_F(PrinterFontTest, InternalFont) {
  struct Case {
    unsigned direction;
    double x;
    const char* font;
    int hExpansion, vExpansion, pitch;
    const char* text;
    int code;
    const char* bytes;
  } cases[] = {
      {0, 10, "XM", 2, 2, 2, "ABC", 1,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>L0202<ESC>P02<ESC>XMABC"},
      {3, 10, "U", 2, 1, 2, "A", 1, "<ESC>%3<ESC>H112<ESC>V40<ESC>P02<ESC>UA"},
      {1, 10, "U", 1, 2, 2, "A", 1, "<ESC>%1<ESC>H112<ESC>V40<ESC>P02<ESC>UA"},
      {0, 10, "WB1", 12, 12, 99, "A", 1,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>L1212<ESC>P99<ESC>WB1A"},
      {0, 10, "U", 13, 5, 2, "A", 67,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>UA"},
      {0, 10, "U", 5, 13, 2, "A", 68,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>UA"},
      {0, 10, "U", 0, 0, 2, "A", 68, "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>UA"},
      {0, 10, "U", 1, 1, 100, "A", 66,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P00<ESC>UA"},
      {0, 10, "U", 1, 1, 7, "A", 1, "<ESC>%0<ESC>H112<ESC>V40<ESC>P07<ESC>UA"},
      {4, 10, "U", 1, 1, 2, "A", 7, "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>UA"},
      {kMinusOne, 10, "U", 1, 1, 2, "A", 7,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>UA"},
      {5, 10, "U", 99, 1, -1, "A", 66,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P00<ESC>UA"},
      // -80 + 0.5 truncates toward zero to -79, plus the offset of 32.
      {0, -10, "U", 1, 1, 2, "A", 1, "<ESC>%0<ESC>H-47<ESC>V40<ESC>P02<ESC>UA"},
      // Font code and text pass as they are, any byte above 0x00.
      {0, 10, "", 1, 1, 2, "AB", 1, "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>AB"},
      {0, 10, "X\xA4", 1, 1, 2, "\xE4\xB8\xAD\x1b", 1,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>X<xA4><xE4><xB8><xAD><ESC>"},
      {0, 10, nullptr, 1, 1, 2, nullptr, 1,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>"},
  };
  for (const Case& c : cases) {
    OpenJob();
    EXPECT_EQ(PrnInternalFont(c.direction, c.x, 5.0, c.font, c.hExpansion,
                              c.vExpansion, c.pitch, c.text),
              c.code)
        << c.bytes;
    EXPECT_EQ(Show(PrintedElements()), Show(B(c.bytes)));
  }
}

TEST_F(PrinterFontTest, VectorFont) {
  struct Case {
    unsigned direction;
    char type;
    int hSize, vSize, variation, pitch;
    const char* text;
    int code;
    const char* bytes;
  } cases[] = {
      {1, 'A', 100, 120, 0, 2, "ABC", 1,
       "<ESC>%1<ESC>H112<ESC>V40<ESC>P02<ESC>$A,100,120,0<ESC>$=ABC"},
      {0, 'B', 999, 50, 9, 5, "A", 1,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P05<ESC>$B,999,50,9<ESC>$=A"},
      {0, 'a', 100, 100, 0, 2, "A", 64,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>$A,100,100,0<ESC>$=A"},
      {0, 'C', 100, 100, 0, 2, "A", 64,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>$A,100,100,0<ESC>$=A"},
      {0, 'a', 49, 100, 0, 2, "A", 69,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>$A,50,100,0<ESC>$=A"},
      {0, 'A', 1000, 100, 0, 2, "A", 69,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>$A,50,100,0<ESC>$=A"},
      {0, 'A', 100, 1000, 0, 2, "A", 70,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>$A,100,50,0<ESC>$=A"},
      {0, 'A', 10, 100, 10, 2, "A", 71,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>$A,50,100,0<ESC>$=A"},
      {7, 'x', 1, 1, -1, 100, "A", 66,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P00<ESC>$A,50,50,0<ESC>$=A"},
      {kMinusOne, 'A', 100, 100, 0, 2, "\xFF", 7,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>$A,100,100,0<ESC>$=<xFF>"},
      {2, 'A', 100, 100, 0, 2, nullptr, 1,
       "<ESC>%2<ESC>H112<ESC>V40<ESC>P02<ESC>$A,100,100,0<ESC>$="},
  };
  for (const Case& c : cases) {
    OpenJob();
    EXPECT_EQ(PrnVectorFont(c.direction, 10.0, 5.0, c.type, c.hSize, c.vSize,
                            c.variation, c.pitch, c.text),
              c.code)
        << c.bytes;
    EXPECT_EQ(Show(PrintedElements()), Show(B(c.bytes)));
  }
}

TEST_F(PrinterFontTest, AgfaRasterFont) {
  struct Case {
    unsigned direction;
    char type;
    unsigned option;
    int hSize, vSize, pitch;
    const char* text;
    int code;
    const char* bytes;
  } cases[] = {
      {0, 'B', 1, 24, 32, 2, "ABC", 1,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDB01,024,032,ABC"},
      {3, 'A', 0, 16, 999, 0, "A", 1,
       "<ESC>%3<ESC>H112<ESC>V40<ESC>P00<ESC>RDA00,016,999,A"},
      {0, 'A', 2, 24, 32, 2, "A", 65,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDA00,024,032,A"},
      {0, 'A', kMinusOne, 24, 32, 2, "A", 65,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDA00,024,032,A"},
      {0, 'C', 2, 24, 32, 2, "A", 65,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDA00,024,032,A"},
      {0, 'A', 2, 15, 32, 2, "A", 69,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDA00,016,032,A"},
      {0, 'C', 0, 24, 5000, 2, "A", 70,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDA00,024,016,A"},
      {9, 'b', 7, 1000, 0, -5, "A", 66,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P00<ESC>RDA00,016,016,A"},
      {kMinusOne, 'B', 1, 24, 32, 2, nullptr, 7,
       "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDB01,024,032,"},
  };
  for (const Case& c : cases) {
    OpenJob();
    EXPECT_EQ(PrnAGFARasterFont(c.direction, 10.0, 5.0, c.type, c.option,
                                c.hSize, c.vSize, c.pitch, c.text),
              c.code)
        << c.bytes;
    EXPECT_EQ(Show(PrintedElements()), Show(B(c.bytes)));
  }
}

TEST_F(PrinterFontTest, NoJobMeansZero) {
  EXPECT_EQ(PrnInternalFont(0, 1, 1, "U", 2, 2, 2, "A"), 0);
  EXPECT_EQ(PrnVectorFont(9, 1, 1, 'Z', 0, 0, 0, 0, "A"), 0);
  EXPECT_EQ(PrnAGFARasterFont(9, 1, 1, 'Z', 5, 0, 0, 0, "A"), 0);
}

}  // namespace
}  // namespace vxcl::test
