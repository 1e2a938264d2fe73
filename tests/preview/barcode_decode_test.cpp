// Labels built through the barcode calls, drawn, and read back with ZXing:
// every symbol holds the data the host gave.
#include <gtest/gtest.h>

#include <functional>

#include "support/job_fixture.h"
#include "support/preview_support.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct Case {
  const char* what;
  std::function<int()> call;  // adds the symbol to the open job
  std::string format;         // as ZXing names it
  std::string content;
};

// Tests are named by what each case shows.
void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class BarcodeDecoding : public JobTest,
                        public ::testing::WithParamInterface<Case> {};

TEST_P(BarcodeDecoding, ReadsAsTheHostsData) {
  const Case& c = GetParam();
  OpenJob();
  ASSERT_EQ(c.call(), 1) << c.what;
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  const preview::StreamPreview drawn = PreviewOfLastJob(kPrinter);
  ASSERT_EQ(drawn.labels.size(), 1u);
  EXPECT_TRUE(drawn.warnings.empty()) << c.what << ": " << drawn.warnings[0];
  const std::vector<Decoded> read = DecodeBarcodes(drawn.labels[0].dots);
  ASSERT_EQ(read.size(), 1u) << c.what << ": " << Show(read);
  EXPECT_EQ(read[0].format, c.format) << c.what;
  EXPECT_EQ(read[0].bytes, c.content) << c.what << ": " << Show(read);
}

// Turned symbols start lower down, so that they stay on the label.
std::function<int()> Barcode(const char* type, int ratio, int narrow,
                             const char* data, int direction = 0) {
  return [=] {
    return PrnBarcode(direction, 10.0, direction == 0 ? 10.0 : 45.0, type[0],
                      ratio, narrow, 15.0, data);
  };
}

INSTANTIATE_TEST_SUITE_P(
    FixedRatio, BarcodeDecoding,
    ::testing::Values(
        Case{"Code 128, optimised, 1:2", Barcode("G", 1, 2, "ABC123456"),
             "Code128", "ABC123456"},
        Case{"Code 128, 1:3", Barcode("G", 2, 2, "1234ABC"), "Code128",
             "1234ABC"},
        Case{"Code 128, 2:5", Barcode("G", 3, 2, "0123456789012"), "Code128",
             "0123456789012"},
        Case{"Code 128 with a control byte in code set A",
             Barcode("G", 2, 2, "AB\tCD"), "Code128", "AB\tCD"},
        Case{"Code 128, lower case", Barcode("G", 2, 2, "hello, world"),
             "Code128", "hello, world"},
        Case{"Code 128, one-dot modules", Barcode("G", 2, 1, "ABC-42"),
             "Code128", "ABC-42"},
        Case{"Code 128 from code set A", Barcode("X", 2, 2, "ABC"), "Code128",
             "ABC"},
        Case{"Code 128 from code set B", Barcode("Y", 2, 2, "abc"), "Code128",
             "abc"},
        Case{"Code 128 from code set C", Barcode("Z", 2, 2, "123456"),
             "Code128", "123456"},
        Case{"Code 128 turned", Barcode("G", 2, 2, "TURNED", 1), "Code128",
             "TURNED"},
        // Every kind of pair the optimiser writes reads back as the data.
        Case{"Code 128 opening with control bytes",
             Barcode("G", 2, 2, "\t\rAB12345678"), "Code128", "\t\rAB12345678"},
        Case{"Code 128 with FNC1 written in the data",
             Barcode("G", 2, 2, "AB>F12CD"), "Code128",
             "AB\x1d"
             "12CD"},
        Case{"Code 128 with \">\" before a digit", Barcode("G", 2, 2, "A>1234"),
             "Code128", "A>1234"},
        Case{"Code 128 with \">\" before a pair letter",
             Barcode("G", 2, 2, ">>DCa"), "Code128", ">Ca"},
        Case{"Code 39 1:2", Barcode("1", 1, 2, "CODE39-1"), "Code39",
             "CODE39-1"},
        Case{"Code 39 1:3", Barcode("1", 2, 2, "ABC 123"), "Code39", "ABC 123"},
        Case{"Code 39 2:5", Barcode("1", 3, 1, "$/+%"), "Code39", "$/+%"},
        Case{"Codabar with its start and stop", Barcode("0", 2, 2, "A1234B"),
             "Codabar", "A1234B"},
        Case{"Codabar 1:2", Barcode("0", 1, 2, "C12-34$D"), "Codabar",
             "C12-34$D"},
        Case{"Interleaved 2 of 5", Barcode("2", 2, 2, "1234567890"), "ITF",
             "1234567890"},
        Case{"Interleaved 2 of 5, odd count: a leading 0",
             Barcode("2", 3, 1, "12345"), "ITF", "012345"},
        Case{"UPC-A from 11 digits", Barcode("3", 2, 2, "01234567890"), "UPC-A",
             "012345678905"},
        Case{"EAN-13 from 12 digits", Barcode("3", 1, 2, "400638133393"),
             "EAN-13", "4006381333931"},
        Case{"EAN-13 as given, with digits",
             Barcode("3", 3, 2, "4006381333931"), "EAN-13", "4006381333931"},
        Case{"EAN-8 from 7 digits", Barcode("4", 1, 2, "1234567"), "EAN-8",
             "12345670"},
        Case{"UPC-E from 6 digits", Barcode("E", 2, 2, "123456"), "UPC-E",
             "01234565"},
        Case{"Code 93", Barcode("C", 2, 2, "ABC-123"), "Code93", "ABC-123"}));

INSTANTIATE_TEST_SUITE_P(
    OtherSymbols, BarcodeDecoding,
    ::testing::Values(
        Case{"variable ratio Code 39",
             [] {
               return PrnVariableBarcode(0, 10, 10, '1', 2, 6, 2, 6, 1, 10,
                                         "ABC");
             },
             "Code39", "ABC"},
        Case{"variable ratio Interleaved 2 of 5, expanded",
             [] {
               return PrnVariableBarcode(0, 10, 10, '2', 1, 3, 1, 3, 2, 10,
                                         "123456");
             },
             "ITF", "123456"},
        Case{"variable ratio Codabar",
             [] {
               return PrnVariableBarcode(0, 10, 10, '0', 3, 7, 3, 8, 1, 10,
                                         "A31117013206375B");
             },
             "Codabar", "A31117013206375B"},
        Case{"UCC-128 without text",
             [] { return PrnUCC128(0, 10, 10, 2, 0, 15, "00614141123456789"); },
             "Code128", "00006141411234567890"},
        Case{"UCC-128 with text above",
             [] { return PrnUCC128(0, 10, 10, 2, 1, 15, "34012345000000001"); },
             "Code128", "00340123450000000017"},
        Case{"EAN-128 with fixed-length identifiers",
             [] {
               return PrnEAN128(0, 10, 10, 2, 15,
                                "(01)12345678901231(10)ABC123");
             },
             "Code128", "011234567890123110ABC123"},
        Case{"EAN-128 with a variable-length identifier first",
             [] { return PrnEAN128(0, 10, 10, 2, 15, "(10)ABC(21)12345"); },
             "Code128",
             "10ABC\x1d"
             "2112345"},
        Case{"PDF417 with a control byte",
             [] {
               const char* data = "ABC&h0D123";
               return PrnPDF417(0, 10, 10, 0, 3, 12, 2, 0, 0, &data);
             },
             "PDF417", "ABC\r123"},
        Case{"PDF417 with rows and columns given, wide modules",
             [] {
               const char* data = "The quick brown fox jumps over the dog";
               return PrnPDF417(0, 10, 10, 0, 5, 15, 4, 3, 12, &data);
             },
             "PDF417", "The quick brown fox jumps over the dog"},
        Case{"PDF417 turned, high security",
             [] {
               const char* data = "0123456789";
               return PrnPDF417(2, 60, 40, 0, 3, 9, 5, 2, 0, &data);
             },
             "PDF417", "0123456789"},
        Case{"Data Matrix ECC 200",
             [] {
               const char* data = "HELLO 123";
               return PrnDataMatrix(0, 10, 10, 1, 20, 4, 4, 0, 1, &data);
             },
             "DataMatrix", "HELLO 123"},
        Case{"Data Matrix ECC 200, tall cells, turned",
             [] {
               const char* data = "ORDER 2024-000123456";
               return PrnDataMatrix(3, 50, 10, 1, 20, 5, 6, 0, 1, &data);
             },
             "DataMatrix", "ORDER 2024-000123456"}));

TEST_F(JobTest, UccTextSitsTenDotsFromTheBarsInOcrBCells) {
  OpenJob();
  // 2-dot modules: start, FNC1, 10 pairs, check, stop = 13 * 11 + 13
  // modules, 312 dots.
  ASSERT_EQ(PrnUCC128(0, 0, 0, 2, 1, 10, "00614141123456789"), 1);
  ASSERT_EQ(PrnUCC128(0, 0, 25, 2, 2, 10, "00614141123456789"), 1);
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_EQ(PrnEnd(), 1);
  const OneBitBitmap label = PreviewOfLastJob(kPrinter).labels.at(0).dots;
  // Text above: 24 dots of OCR-B cell, 10 dots of gap, then 80 of bars.
  const preview::DotRect bars = InkBounds(Cut(label, {32, 34, 400, 80}));
  EXPECT_EQ(bars.y, 0);
  EXPECT_EQ(bars.width, 312);
  const preview::DotRect textAbove = InkBounds(Cut(label, {32, 0, 400, 34}));
  EXPECT_FALSE(textAbove.Empty());
  EXPECT_LE(textAbove.y + textAbove.height, 24);
  // "(00)" and 18 digits in 20-dot cells are 22 * 20 + 21 * 2 = 482 dots,
  // wider than the bars: from their left edge.
  EXPECT_LT(textAbove.x, 20);
  // Text below: bars from 200 to 280, text from 290.
  const preview::DotRect textBelow = InkBounds(Cut(label, {32, 280, 800, 40}));
  EXPECT_GE(textBelow.y, 10);
}

TEST(BarcodeRatios, WidenTheTwoWidthSymbologies) {
  // Code 39 "A" with 2-dot narrow elements: the widths each ratio gives.
  const struct {
    const char* command;
    long long narrow, wide;
  } cases[] = {{"B", 2, 6}, {"D", 2, 4}, {"BD", 4, 10}};
  for (const auto& c : cases) {
    const OneBitBitmap label =
        OnlyLabel(LabelFrame(std::string("\x1bH0\x1bV0\x1b") + c.command +
                             "10205"
                             "0*A*"));
    std::vector<long long> runs;
    int x = 0;
    while (x < label.Width()) {
      const bool dark = label.IsDark(x, 0);
      int end = x;
      while (end < label.Width() && label.IsDark(end, 0) == dark) ++end;
      if (end < label.Width()) runs.push_back(end - x);
      x = end;
    }
    for (long long run : runs)
      EXPECT_TRUE(run == c.narrow || run == c.wide)
          << c.command << ": an element of " << run << " dots";
    // "*A*": three characters of 5 bars and 4 spaces, 3 of them wide, and
    // two gaps.
    long long total = 0;
    for (long long run : runs) total += run;
    EXPECT_EQ(total, 3 * (6 * c.narrow + 3 * c.wide) + 2 * c.narrow)
        << c.command;
  }
}

TEST(BarcodeRatios, TwoOfFiveCodesWithoutAReaderUseBothWidths) {
  // Industrial and Matrix 2 of 5, which ZXing does not read: every element
  // narrow or wide, and an odd count of digits gets its leading 0.
  for (const char type : {'5', '6'}) {
    const std::string code = std::string(
                                 "\x1bH0\x1bV0\x1b"
                                 "B") +
                             type + "02050";
    const OneBitBitmap odd = OnlyLabel(LabelFrame(code + "123"));
    const OneBitBitmap even = OnlyLabel(LabelFrame(code + "0123"));
    EXPECT_EQ(odd, even) << type;
    for (int x = 1; x < odd.Width(); ++x) {
      if (odd.IsDark(x, 0) == odd.IsDark(x - 1, 0)) continue;
      int end = x;
      while (end < odd.Width() && odd.IsDark(end, 0) == odd.IsDark(x, 0)) ++end;
      if (end == odd.Width()) break;
      EXPECT_TRUE(end - x == 2 || end - x == 6) << type << " at " << x;
    }
  }
}

TEST(EanUpc, LongerFormsLengthenTheGuardsAndPrintTheDigits) {
  const std::string code = "02040400638133393";  // narrow 2, 40 dots
  const OneBitBitmap plain =
      OnlyLabel(LabelFrame("\x1bH20\x1bV0\x1b"
                           "B3" +
                           code));
  const OneBitBitmap guards =
      OnlyLabel(LabelFrame("\x1bH20\x1bV0\x1b"
                           "D3" +
                           code));
  const OneBitBitmap digits =
      OnlyLabel(LabelFrame("\x1bH20\x1bV0\x1b"
                           "BD3" +
                           code));
  EXPECT_EQ(InkBounds(plain).height, 40);
  // The start guard runs on below the bars; a data bar does not.
  EXPECT_TRUE(guards.IsDark(20, 45));
  EXPECT_FALSE(guards.IsDark(20 + 2 * 12, 45));
  EXPECT_EQ(InkBounds(Cut(guards, {0, 40, 832, 40})).x, 20);
  // Digits under the bars, and the first left of them.
  const preview::DotRect text = InkBounds(Cut(digits, {0, 42, 832, 40}));
  EXPECT_LT(text.x, 20);
  EXPECT_GT(text.width, 150);
  EXPECT_EQ(DecodeBarcodes(digits).at(0).bytes, "4006381333931");
}

TEST(Msi, TwelveModulesADigit) {
  const OneBitBitmap label =
      OnlyLabel(LabelFrame("\x1bH0\x1bV0\x1b"
                           "BA02050"
                           "1234"));
  // Start (3 modules), four digits of 12, stop (4), at 2 dots a module.
  EXPECT_EQ(InkBounds(label).width, (3 + 4 * 12 + 4) * 2);
}

}  // namespace
}  // namespace vxcl::test
