// Streams from any source: labels found and sized, settings kept or reset
// as the printer keeps them, unknown and malformed commands skipped with a
// warning while the rest is drawn.
#include <gtest/gtest.h>

#include <random>

#include "support/bytes.h"
#include "support/preview_support.h"

namespace vxcl::test {
namespace {

using preview::DotRect;

bool Mentions(const std::vector<std::string>& warnings, const std::string& s) {
  for (const std::string& w : warnings)
    if (w.find(s) != std::string::npos) return true;
  return false;
}

std::string All(const std::vector<std::string>& warnings) {
  std::string all;
  for (const std::string& w : warnings) all += w + "\n";
  return all;
}

TEST(Interpreter, SkipsUnknownCommandsWithAWarningAndDrawsTheRest) {
  const preview::StreamPreview drawn = PreviewOf(
      B("<STX><ESC>A<ESC>H10<ESC>V10<ESC>YZ123<ESC>GM00003,abc<ESC>2D30,M,05"
        "<ESC>FW02H0100<ESC>Q1<ESC>Z<ETX>"));
  ASSERT_EQ(drawn.labels.size(), 1u);
  const DotRect ink = InkBounds(drawn.labels[0].dots);
  EXPECT_EQ(ink.x, 10);
  EXPECT_EQ(ink.width, 100);
  EXPECT_EQ(drawn.warnings.size(), 3u) << All(drawn.warnings);
  EXPECT_TRUE(Mentions(drawn.warnings, "unknown command ESC \"YZ123\""));
  EXPECT_TRUE(Mentions(drawn.warnings, "ESC \"GM\" is not drawn"));
  EXPECT_TRUE(Mentions(drawn.warnings, "ESC \"2D\" is not drawn"));
  // Each names where its command stands.
  EXPECT_TRUE(Mentions(drawn.warnings, "byte 11: "));
}

TEST(Interpreter, SettingsWithoutImageAreSkippedSilently) {
  // Speed, darkness, the CX and CT settings, cutting (ESC NUL, the e-series
  // ESC "A" count and ESC "B"), job names and the CT settings record.
  const std::string stream =
      B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3A<ESC>CP1<ESC>CI0<ESC>CE0"
        "<ESC>CD200,3300<ESC>CB+0<ESC>PO2+00<ESC>PM1<ESC>YE0<ESC>IG0<ESC>PH0"
        "<ESC>Z<ETX><STX><ESC>A<ESC>WKjob<ESC>H0<ESC>V0<ESC>FW01H0001"
        "<ESC><NUL>3<ESC>A12<ESC>B<ESC>Q1<ESC>Z<ETX>") +
      "\x02\x1b"
      "A\x1bPG" +
      std::string(30, '\x1b') + "\x1bZ\x03";
  const preview::StreamPreview drawn = PreviewOf(stream);
  EXPECT_TRUE(drawn.warnings.empty()) << All(drawn.warnings);
  EXPECT_EQ(drawn.labels.size(), 1u);
}

TEST(Interpreter, LabelLengthFromTheMetricsTheSizeCommandOrTheInk) {
  preview::PreviewMetrics known;
  known.labelLengthDots = 300;
  EXPECT_EQ(PreviewOf(LabelFrame("\x1bH0\x1bV0\x1b"
                                 "FW01H0001"),
                      known)
                .labels.at(0)
                .dots.Height(),
            300);
  // "A1": 0400 long, 0832 wide.
  EXPECT_EQ(PreviewOf(B("<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>") +
                      LabelFrame("\x1bH0\x1bV0\x1b"
                                 "FW01H0001"))
                .labels.at(0)
                .dots.Height(),
            400);
  // Unknown: the ink and a millimetre more, in whole millimetres, at least
  // ten.
  EXPECT_EQ(PreviewOf(LabelFrame("\x1bH0\x1bV0\x1b"
                                 "FW01H0001"))
                .labels.at(0)
                .dots.Height(),
            80);
  EXPECT_EQ(PreviewOf(LabelFrame("\x1bH0\x1bV200\x1b"
                                 "FW01H0001"))
                .labels.at(0)
                .dots.Height(),
            216);
}

TEST(Interpreter, DrawsNothingBeyondTheLabelOrTheHead) {
  preview::PreviewMetrics metrics;
  metrics.labelLengthDots = 100;
  const OneBitBitmap label = PreviewOf(LabelFrame("\x1bH800\x1bV90\x1b"
                                                  "FW20H0100"
                                                  "\x1bH-50\x1bV-5\x1b"
                                                  "FW10H0060"),
                                       metrics)
                                 .labels.at(0)
                                 .dots;
  EXPECT_EQ(Cut(label, {800, 90, 32, 10}), [] {
    OneBitBitmap full(32, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 32; ++x) full.SetDark(x, y, true);
    return full;
  }());
  EXPECT_EQ(InkBounds(Cut(label, {0, 0, 100, 10})).width, 10);  // 60 - 50
  EXPECT_EQ(InkBounds(Cut(label, {0, 0, 100, 10})).height, 5);
}

TEST(Interpreter, PlacesTheLabelAtTheHeadsFarEdgeOrCentred) {
  preview::PreviewMetrics metrics;
  metrics.labelWidthDots = 800;
  EXPECT_EQ(PreviewOf(LabelFrame(""), metrics).labels.at(0).labelLeft, 32);
  // A stream that sets a label size is centred, as CX208 and CT400 jobs.
  EXPECT_EQ(
      PreviewOf(B("<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>") + LabelFrame(""),
                metrics)
          .labels.at(0)
          .labelLeft,
      16);
  metrics.labelLeftDots = 5;
  EXPECT_EQ(PreviewOf(LabelFrame(""), metrics).labels.at(0).labelLeft, 5);
}

TEST(Interpreter, EachPrintingFrameIsALabel) {
  const preview::StreamPreview drawn =
      PreviewOf(B("<STX><ESC>A<ESC>CS4<ESC>Z<ETX>") +  // settings only
                LabelFrame("\x1bH0\x1bV0\x1b"
                           "FW01H0010") +
                LabelFrame("\x1bH0\x1bV0\x1b"
                           "FW01H0020"));
  ASSERT_EQ(drawn.labels.size(), 2u);
  EXPECT_EQ(InkBounds(drawn.labels[0].dots).width, 10);
  EXPECT_EQ(InkBounds(drawn.labels[1].dots).width, 20);
  EXPECT_EQ(drawn.labels[1].quantity, 1);
}

TEST(Interpreter, AStreamThatPrintsNothingGivesABlankLabel) {
  const preview::StreamPreview drawn =
      PreviewOf(B("<STX><ESC>A<ESC>CA<ESC>Z<ETX>"));
  ASSERT_EQ(drawn.labels.size(), 1u);
  EXPECT_TRUE(InkBounds(drawn.labels[0].dots).Empty());
  EXPECT_TRUE(Mentions(drawn.warnings, "prints no label"));
}

TEST(Interpreter, QuantityZeroIsDrawnWithAWarning) {
  const preview::StreamPreview drawn =
      PreviewOf(B("<STX><ESC>A<ESC>H0<ESC>V0<ESC>FW01H0010<ESC>Q0<ESC>Z<ETX>"));
  ASSERT_EQ(drawn.labels.size(), 1u);
  EXPECT_EQ(drawn.labels[0].quantity, 0);
  EXPECT_TRUE(Mentions(drawn.warnings, "quantity 0"));
}

TEST(Interpreter, TheBaseReferencePointMovesEveryElementAndIsKept) {
  const preview::StreamPreview drawn =
      PreviewOf(B("<STX><ESC>A<ESC>A3H+010V-005<ESC>Z<ETX>") +
                LabelFrame("\x1bH100\x1bV100\x1b"
                           "FW01H0010") +
                LabelFrame("\x1bH100\x1bV100\x1b"
                           "FW01H0010"));
  ASSERT_EQ(drawn.labels.size(), 2u);
  for (const auto& label : drawn.labels) {
    EXPECT_EQ(InkBounds(label.dots).x, 110);
    EXPECT_EQ(InkBounds(label.dots).y, 95);
  }
}

TEST(Interpreter, RotationPitchAndPositionEndWithTheLabel) {
  const preview::StreamPreview drawn =
      PreviewOf(LabelFrame("\x1b%2\x1bH100\x1bV100") + LabelFrame("\x1b"
                                                                  "FW01H0010"));
  ASSERT_EQ(drawn.labels.size(), 2u);
  EXPECT_EQ(InkBounds(drawn.labels[1].dots).x, 0);
  EXPECT_EQ(InkBounds(drawn.labels[1].dots).y, 0);
}

TEST(Interpreter, DcIsDataMatrixDataOnlyAfterBx) {
  // After ESC "BX": the symbol's data. Elsewhere: ESC "D" and the Code 93
  // type letter.
  const OneBitBitmap matrix =
      OnlyLabel(LabelFrame("\x1bH10\x1bV10\x1b"
                           "BX01200404000000001\x1b"
                           "DCHELLO"));
  EXPECT_EQ(DecodeBarcodes(matrix).at(0).format, "DataMatrix");
  const OneBitBitmap code93 =
      OnlyLabel(LabelFrame("\x1bH10\x1bV10\x1b"
                           "DC0205003ABC"));
  const std::vector<Decoded> read = DecodeBarcodes(code93);
  ASSERT_EQ(read.size(), 1u) << Show(read);
  EXPECT_EQ(read[0].format, "Code93");
  EXPECT_EQ(read[0].bytes, "ABC");
}

TEST(Interpreter, ReportsWhatItCannotDraw) {
  const struct {
    const char* elements;
    const char* warning;
  } cases[] = {
      {"\x1b"
       "BW02100*A*",
       "without ESC \"BT\""},
      {"\x1b$=text", "without ESC \"$\""},
      {"\x1b"
       "FW02X0100",
       "malformed ESC \"FW"},
      {"\x1b"
       "FW00H0100",
       "no length or no thickness"},
      {"\x1b(10", "malformed ESC \"("},
      {"\x1bH", "without a position"},
      {"\x1bL0013", "outside 1..12"},
      {"\x1b"
       "B902050123",
       "barcode type \"9\" unknown"},
      {"\x1b"
       "B30205012345",
       "UPC-A/EAN-13 data must be"},
      {"\x1b"
       "BX01140404000000001\x1b"
       "DCABC",
       "ECC 140 cannot be drawn"},
      {"\x1b"
       "BK0312200000010AB",
       "PDF417 data cut short"},
      {"\x1b"
       "BG02050>HAB\xff",
       "left out"},
      {"\x1bGBxyz", "without its two three-digit sizes"},
      {"\x1b"
       "A112345",
       "malformed label size"},
  };
  for (const auto& c : cases) {
    const preview::StreamPreview drawn =
        PreviewOf(LabelFrame(std::string("\x1bH10\x1bV10") + c.elements));
    EXPECT_TRUE(Mentions(drawn.warnings, c.warning))
        << Show(c.elements) << ": " << All(drawn.warnings);
  }
}

TEST(Interpreter, PlaceholdersStandForWhatCannotBeDrawn) {
  // An ECC 140 Data Matrix: a hatched box of its size, 4 dots a cell.
  const preview::StreamPreview drawn =
      PreviewOf(LabelFrame("\x1bH10\x1bV10\x1b"
                           "BX01140404000000001\x1b"
                           "DC1234567890"));
  const DotRect ink = InkBounds(drawn.labels.at(0).dots);
  EXPECT_EQ(ink.x, 10);
  EXPECT_EQ(ink.width, ink.height);
  EXPECT_EQ(ink.width % 4, 0);
  EXPECT_GE(ink.width, 9 * 4);
}

TEST(Interpreter, StopsDrawingAfterSixteenLabels) {
  std::string stream;
  for (int i = 0; i < 20; ++i)
    stream += LabelFrame(
        "\x1bH0\x1bV0\x1b"
        "FW01H0010");
  const preview::StreamPreview drawn = PreviewOf(stream);
  EXPECT_EQ(drawn.labels.size(), 16u);
  EXPECT_TRUE(Mentions(drawn.warnings, "not drawn"));
}

TEST(Interpreter, KeepsTheFirstWarningsOfAFaultyStream) {
  std::string stream =
      "\x02\x1b"
      "A";
  for (int i = 0; i < 500; ++i) stream += "\x1bYY";
  const preview::StreamPreview drawn = PreviewOf(stream);
  EXPECT_EQ(drawn.warnings.size(), 65u);
  EXPECT_NE(drawn.warnings.back().find("more warnings"), std::string::npos);
}

TEST(Interpreter, SurvivesCutAndRandomStreams) {
  // Every prefix of a label with every kind of element, and random bytes
  // seeded with command letters: drawn as far as they go, never refused.
  const std::string label = LabelFrame(
      "\x1bH10\x1bV10\x1b"
      "FW0303H0100V0050\x1bH20\x1bV20\x1bL0202\x1bP03"
      "\x1bXMAB\x1b$A,60,80,0\x1b$=Hi\x1bRDB00,024,032,Yo\x1b"
      "BG02050>HAB12"
      "\x1b"
      "BT101030103\x1b"
      "BW01080*A*\x1b"
      "BK0312200000003ABC,T"
      "\x1b"
      "BX01200404000000001\x1b"
      "DCHI\x1bGB001001\x1b\x02\x03"
      "\x00\x01\x02\x03\x04\x1b(10,10\x1b%1\x1b"
      "BI020501"
      "00614141123456789");
  for (std::size_t n = 0; n <= label.size(); ++n)
    EXPECT_FALSE(PreviewOf(label.substr(0, n)).labels.empty()) << n;
  std::mt19937 random(42);
  const std::string letters =
      "\x1b\x02\x03"
      "ABDGHKLPQVWXZ0123456789%($,>";
  for (int round = 0; round < 200; ++round) {
    std::string stream;
    for (int i = 0; i < 200; ++i)
      stream += random() % 2 ? letters[random() % letters.size()]
                             : static_cast<char>(random());
    EXPECT_FALSE(PreviewOf(stream).labels.empty());
  }
}

}  // namespace
}  // namespace vxcl::test
