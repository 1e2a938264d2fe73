// PrnTrueTypeFont with Chinese, Japanese and Korean text on Linux: text in
// the host's code page, turned text, long texts, and what the host is told
// when a face is replaced or a character cannot be drawn.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/font_rasterizer.h"
#include "platform/portable/freetype_font_rasterizer.h"
#include "raster/bitmap_rotation.h"
#include "support/graphic_element.h"
#include "support/job_fixture.h"
#include "support/pictures.h"
#include "vxclcmd.h"

namespace vxcl {
namespace {

using test::Picture;

constexpr const char* kTokyo = "東京都千代田區";  // UTF-8

std::string LastError() {
  char message[1024] = {};
  VxclLastError(message, sizeof message);
  return message;
}

class CjkTextTest : public test::JobTest {
 protected:
  void TearDown() override {
    VxclSetTextEncoding(nullptr);
    JobTest::TearDown();
  }

  // The element one call adds to a fresh job, and the call's result.
  std::string Element(int rotation, const char* face, const char* text,
                      int size = 12, int weight = 0, int* result = nullptr) {
    OpenJob();
    const int answer = PrnTrueTypeFont(rotation, 40.0, 30.0, face, size, 0, 0,
                                       weight, 0, 0, 0, 0, 0.0, text);
    if (result) *result = answer;
    message = LastError();  // before the job's end clears it
    EXPECT_EQ(answer, 1) << message;
    return PrintedElements();
  }

  std::string message;  // of the last Element's call
};

TEST_F(CjkTextTest, TextInTheHostsCodePagePrintsAsTheSameTextInUtf8) {
  struct Case {
    const char* encoding;
    const char* text;  // "東京都千代田區" in that encoding
  };
  const Case cases[] = {
      {"CP950", "\xaa\x46\xa8\xca\xb3\xa3\xa4\x64\xa5\x4e\xa5\xd0\xb0\xcf"},
      {"BIG5", "\xaa\x46\xa8\xca\xb3\xa3\xa4\x64\xa5\x4e\xa5\xd0\xb0\xcf"},
      {"SHIFT_JIS", "\x93\x8c\x8b\x9e\x93\x73\x90\xe7\x91\xe3\x93\x63\x99\xbd"},
      {"GBK", "\x96\x7c\xbe\xa9\xb6\xbc\xc7\xa7\xb4\xfa\xcc\xef\x85\x5e"},
      {"EUC-KR", "\xd4\xd4\xcc\xc8\xd4\xb4\xf4\xb6\xd3\xdb\xef\xa3\xcf\xa1"},
  };
  const std::string utf8 = Element(0, "細明體", kTokyo);
  for (const Case& c : cases) {
    ASSERT_EQ(VxclSetTextEncoding(c.encoding), 1) << c.encoding;
    // The face name comes in the code page too: 細明體 in Big5.
    const char* face = c.encoding[0] == 'C' || c.encoding[0] == 'B'
                           ? "\xb2\xd3\xa9\xfa\xc5\xe9"
                           : "MingLiU";
    EXPECT_EQ(Element(0, face, c.text), utf8) << c.encoding;
  }
  // The default again: UTF-8, else Windows-1252.
  ASSERT_EQ(VxclSetTextEncoding(""), 1);
  EXPECT_EQ(Element(0, "細明體", kTokyo), utf8);
  EXPECT_EQ(Element(0, nullptr, "Z\xfcrich"),
            Element(0, nullptr, "Z\xc3\xbcrich"));
}

TEST_F(CjkTextTest, AnUnknownEncodingIsRefusedAndTheOneInUseKept) {
  ASSERT_EQ(VxclSetTextEncoding("CP950"), 1);
  const std::string big5 = Element(0, nullptr, "\xaa\x46\xa8\xca");  // 東京
  EXPECT_EQ(VxclSetTextEncoding("NO-SUCH-CODE"), VXCL_TEXT_ENCODING);
  EXPECT_EQ(LastError(),
            "VxclSetTextEncoding: \"NO-SUCH-CODE\" is not an encoding this "
            "system can read (names as iconv knows them, such as CP950, BIG5, "
            "SHIFT_JIS, GBK, EUC-KR or UTF-8; on Windows only the system code "
            "page); CP950 kept");
  EXPECT_EQ(VxclSetTextEncoding(std::string(1 << 20, 'A').c_str()),
            VXCL_TEXT_ENCODING);
  EXPECT_EQ(Element(0, nullptr, "\xaa\x46\xa8\xca"), big5);
  // A byte sequence Big5 does not define reads as '?'.
  EXPECT_EQ(Element(0, nullptr, "\xaa\x46\xff"),
            Element(0, nullptr, "\xaa\x46?"));
}

TEST_F(CjkTextTest, MessagesComeInTheChosenEncoding) {
  ASSERT_EQ(VxclSetTextEncoding("CP950"), 1);
  Element(0, "\xb2\xd3\xa9\xfa\xc5\xe9 X", "A");  // "細明體 X": not installed
  EXPECT_EQ(message,
            "PrnTrueTypeFont: font \"\xb2\xd3\xa9\xfa\xc5\xe9 X\" is not "
            "installed and no installed face is mapped to it; \"DejaVu Sans\" "
            "used");
}

TEST_F(CjkTextTest, TurnedChineseIsTheUnturnedTextTurned) {
  FreeTypeFontRasterizer fonts;
  const TextExtent cell =
      fonts.Font({"細明體", -16})->Extent(U"東京都千代田區");
  const OneBitBitmap unturned =
      test::ParseGraphicElement(Element(0, "細明體", kTokyo, 12, 4)).bitmap;
  OneBitBitmap exact = unturned;
  exact.Resize(cell.width, cell.height);
  for (const int rotation : {90, 180, 270}) {
    OneBitBitmap turned =
        test::ParseGraphicElement(Element(rotation, "細明體", kTokyo, 12, 4))
            .bitmap;
    const OneBitBitmap expected = RotateBitmap(exact, rotation);
    turned.Resize(expected.Width(), expected.Height());
    EXPECT_EQ(turned, expected) << rotation << "\n" << Picture(turned);
  }
}

TEST_F(CjkTextTest, TwoThousandCharactersAreDrawnOrRefusedWithoutDelay) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += i % 2 ? "東" : "區";
  for (const int size : {12, 24}) {
    const auto start = std::chrono::steady_clock::now();
    OpenJob();
    const int result = PrnTrueTypeFont(0, 0.0, 0.0, "細明體", size, 0, 0, 0, 0,
                                       0, 0, 0, 0.0, text.c_str());
    const auto took = std::chrono::steady_clock::now() - start;
    // 16 dots a character fit in a graphic 32,767 dots wide, 32 do not.
    EXPECT_EQ(result, size == 12 ? 1 : VXCL_INTERNAL_FAILURE) << size;
    EXPECT_LT(took, std::chrono::seconds(2)) << size;
    if (size == 24) {
      EXPECT_NE(LastError().find("the text is too large to draw"),
                std::string::npos);
      EXPECT_TRUE(job().body.empty());
    }
  }
}

TEST_F(CjkTextTest, AReplacedFaceAndUndrawableCharactersAreReportedNotRefused) {
  OpenJob();
  EXPECT_EQ(PrnTrueTypeFont(0, 5.0, 5.0, "DejaVu Sans", 12, 0, 0, 0, 0, 0, 0, 0,
                            0.0, "Lot 7"),
            1);
  const std::size_t second = job().body.size();
  EXPECT_EQ(PrnTrueTypeFont(0, 5.0, 10.0, "No Such Face", 12, 0, 0, 0, 0, 0, 0,
                            0, 0.0, "A\xcd\xb8 東 \xf4\x8f\xbf\xbd"),
            1);
  EXPECT_EQ(LastError(),
            "PrnTrueTypeFont: font \"No Such Face\" is not installed and no "
            "installed face is mapped to it; \"DejaVu Sans\" used; no "
            "installed font has U+0378 and U+10FFFD; printed as the "
            "missing-character shape of \"DejaVu Sans\"");
  ASSERT_EQ(job().textNotes.size(), 1u);
  const TextNote& note = job().textNotes[0];
  EXPECT_EQ(note.bodyOffset, second);
  EXPECT_EQ(note.faceAsked, "No Such Face");
  EXPECT_EQ(note.faceUsed, "DejaVu Sans");
  EXPECT_TRUE(note.faceReplaced);
  EXPECT_EQ(note.undrawable, U"\u0378\U0010FFFD");
  EXPECT_EQ(PrnQty(1), 1);
  EXPECT_EQ(PrnEnd(), 1);
  EXPECT_TRUE(job().textNotes.empty());
}

}  // namespace
}  // namespace vxcl
