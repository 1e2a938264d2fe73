// What VxclLastError says after each kind of result: the call, the argument,
// the value given, what is allowed and what was used, or why nothing was
// done; cleared by every call that does work, kept by the readers, and kept
// per thread.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/virtual_printers.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

std::string LastError() {
  std::string message(static_cast<std::size_t>(VxclLastError(nullptr, 0)),
                      '\0');
  VxclLastError(message.data(), static_cast<int>(message.size()) + 1);
  return message;
}

const char* kEmpty = "";
const char* kHello = "HELLO";

struct MessageCase {
  const char* what;
  bool openJob;  // a 100 x 50 mm label on "VP" first
  std::function<int()> call;
  int code;
  const char* message;
};

const MessageCase kCases[] = {
    // Job starts.
    {"label too wide", false,
     [] { return PrnInit(kPrinter, 3, 4, 200.0, 50.0, 0.0); }, 11,
     "PrnInit: LabelWidth 200 mm (1600 dots) is not 0 to 832 dots (the "
     "printer's widest line); 832 dots used"},
    {"shift", false,
     [] { return PrnInitESeries(kPrinter, 3, 4, 100.0, 50.0, 60.0); }, 19,
     "PrnInitESeries: Shift 60 mm (480 dots) is not 416 dots or less (half "
     "the printer's widest line); 0 used"},
    {"CT400 letter and PM, last decides", false,
     [] {
       return PrnInitCT400(kPrinter, 'Z', 3, 4, 0, 9, 0, 0, 0, 100.0, 50.0,
                           0.0);
     },
     13,
     "PrnInitCT400: DarknessLetter \"Z\" is not \"A\" to \"F\"; \"A\" used. "
     "PmSetting 9 is not 0 to 8; 1 used"},
    {"null printer name", false,
     [] { return PrnInit(nullptr, 3, 4, 100.0, 50.0, 0.0); }, 3,
     "PrnInit: printer \"\" not found: no printer name was given (null, "
     "empty or blank); no job opened"},
    {"printer differing in letter case", false,
     [] {
       return PrnInitCX208("vp", 3, 4, 1, 0, 0, 200, 3300, 19, 100.0, 50.0,
                           0.0);
     },
     3,
     "PrnInitCX208: printer \"vp\" not found: no printer of that name "
     "(letter case counts, surrounding blanks do not); \"VP\" differs only "
     "in letter case or surrounding blanks; no job opened"},
    // Maintenance jobs.
    {"unknown printer", false,
     [] { return PrnCXCalibrate("Nowhere", 50.0, 1, 0, 0, 200, 3300, 19); }, 0,
     "PrnCXCalibrate: printer \"Nowhere\" not found: no printer of that name "
     "(letter case counts, surrounding blanks do not); nothing sent"},
    {"CX setting", false,
     [] { return PrnCXCalibrate(kPrinter, 50.0, 5, 0, 0, 200, 3300, 19); }, 13,
     "PrnCXCalibrate: CpSetting 5 is not 0 to 1; 1 used"},
    {"CT setting", false,
     [] {
       return PrnCTDefault(kPrinter, 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832,
                           0, 0, 0, 0, 0, 0, 0, 0, 2);
     },
     276, "PrnCTDefault: Setting21 2 is not 0 to 1; 0 used"},
    // Elements.
    {"no job", false, [] { return PrnDrawBox(1, 1, 1, 1, 5, 5); }, 0,
     "PrnDrawBox: no job is open; nothing was done"},
    {"line width and direction", true,
     [] { return PrnDrawLine(1, 1, 2, 0, 5); }, 80,
     "PrnDrawLine: LineWidth 0 is not 1 to 99 dots; 1 dot used. Direction 2 "
     "is not 0 (horizontal) or 1 (vertical); 0 (horizontal) used"},
    {"expansion", true,
     [] { return PrnInternalFont(0, 1, 1, "XM", 13, 1, 0, "A"); }, 67,
     "PrnInternalFont: HExpansion 13 is not 1 to 12; 1 used"},
    {"font type", true,
     [] { return PrnVectorFont(0, 1, 1, 'a', 50, 50, 0, 0, "A"); }, 64,
     "PrnVectorFont: FontType \"a\" is not \"A\" or \"B\"; \"A\" used"},
    {"negative direction", true,
     [] {
       return PrnAGFARasterFont(static_cast<unsigned>(-1), 1, 1, 'A', 0, 16, 16,
                                0, "A");
     },
     7, "PrnAGFARasterFont: Direction -1 is not 0 to 3; 0 used"},
    {"TrueType rotation", true,
     [] {
       return PrnTrueTypeFont(45, 1, 1, nullptr, 12, 0, 0, 4, 0, 0, 0, 0, 0,
                              "A");
     },
     7,
     "PrnTrueTypeFont: Rotation 45 is not 0 to 3, 90, 180 or 270; 0 "
     "(unturned) used"},
    {"picture name null", true,
     [] { return PrnDrawBMP(0, 1, 1, 0, 0, nullptr); }, 48,
     "PrnDrawBMP: FileName is a null pointer; nothing added"},
    {"picture file missing", true,
     [] { return PrnDrawPCX(0, 1, 1, 0, 0, "/nonexistent/logo.pcx"); }, 49,
     "PrnDrawPCX: FileName \"/nonexistent/logo.pcx\": no such file (or not a "
     "regular file); nothing added"},
    {"barcode type", true,
     [] { return PrnBarcode(0, 1, 1, 'Q', 1, 2, 10, "1"); }, 32,
     "PrnBarcode: BarcodeType \"Q\" is not one of \"0\" to \"6\", \"A\", "
     "\"C\", \"E\", \"F\", \"G\", \"X\", \"Y\" or \"Z\"; a Code 39 barcode "
     "of the text \"*ERROR BARCODE TYPE*\" used"},
    {"bar height", true,
     [] { return PrnBarcode(0, 1, 1, '1', 1, 2, 100, "1"); }, 34,
     "PrnBarcode: BarHeight 100 mm (800 dots) is not 1 to 600 dots; 10 mm "
     "(80 dots) used"},
    {"expansion of a variable barcode", true,
     [] { return PrnVariableBarcode(0, 1, 1, '1', 2, 6, 2, 6, 13, 10, "1"); },
     37, "PrnVariableBarcode: Expansion 13 is not 1 to 12; 1 used"},
    {"UCC-128 length", true, [] { return PrnUCC128(0, 1, 1, 2, 1, 10, "123"); },
     0, "PrnUCC128: Data \"123\" is 3 bytes long, not 17; nothing added"},
    {"UCC-128 length and direction: the direction's code", true,
     [] { return PrnUCC128(9, 1, 1, 2, 1, 10, "123"); }, 7,
     "PrnUCC128: Direction 9 is not 0 to 3 (quarter turns); 0 used. Data "
     "\"123\" is 3 bytes long, not 17; nothing added"},
    {"EAN-128 identifier", true,
     [] { return PrnEAN128(0, 1, 1, 2, 10, "(999)1"); }, 40,
     "PrnEAN128: Data: application identifier (999) is not known; nothing "
     "added"},
    {"EAN-128 length and digits", true,
     [] { return PrnEAN128(0, 1, 1, 2, 10, "(01)12A"); }, 42,
     "PrnEAN128: Data: the value of (01) is 3 characters long; (01) takes "
     "exactly 14. Data: the value of (01) holds a character other than a "
     "digit; (01) takes digits only; nothing added"},
    {"PDF417 rows", true,
     [] { return PrnPDF417(0, 1, 1, 0, 3, 4, 1, 0, 2, &kHello); }, 101,
     "PrnPDF417: Rows 2 is not 0 or 3 to 40; 0 used"},
    {"Data Matrix ECC", true,
     [] { return PrnDataMatrix(0, 1, 1, 1, 200, 4, 4, 0, 1, &kHello); }, 113,
     "PrnDataMatrix: EccLevel 200 is not 0, 5, 8, 10, 14 or 20 (ECC 000 to "
     "ECC 200 in tens); 0 (ECC 000) used"},
    {"Data Matrix cell and data: the refusal's code", true,
     [] { return PrnDataMatrix(0, 1, 1, 1, 0, 2, 4, 0, 1, &kEmpty); }, 116,
     "PrnDataMatrix: CellWidth 2 is not 3 to 12 dots; 3 used. Data \"\" is "
     "0 bytes long, not 1 to 500; nothing added"},
    // Closing the job.
    {"quantity", true, [] { return PrnQty(-1); }, 5,
     "PrnQty: Quantity -1 is not 0 to 999999; 1 used"},
    {"cut count", true, [] { return PrnCutter(10000, 0, 0); }, 6,
     "PrnCutter: CutCount 10000 is not 0 to 9999; 0 (no cut) used"},
    {"no quantity", true, [] { return PrnEnd(); }, 5,
     "PrnEnd: no quantity was set (PrnQty was not called); nothing sent, the "
     "job is closed"},
    // Extensions.
    {"virtual printer taken", false,
     [] { return VxclAddVirtualPrinter(kPrinter, 203, 104, 1000); }, 0,
     "VxclAddVirtualPrinter: a printer named \"VP\" is there already; no "
     "printer added"},
    {"preview path", false,
     [] { return VxclVirtualJobPreview("VP", 999, nullptr); }, 0,
     "VxclVirtualJobPreview: virtual printer \"VP\" has no job 999 (or there "
     "is no such printer); nothing drawn"},
    {"metrics of an unknown printer", false,
     [] { return VxclPrinterMetrics("Nowhere", nullptr, nullptr, nullptr); }, 0,
     "VxclPrinterMetrics: printer \"Nowhere\" not found: no printer of that "
     "name (letter case counts, surrounding blanks do not); nothing stored"},
};

using ResultMessageTest = JobTest;

TEST_F(ResultMessageTest, EveryResultButSuccessNamesCallArgumentAndValue) {
  for (const MessageCase& c : kCases) {
    if (c.openJob) {
      OpenJob();
      ASSERT_EQ(LastError(), "") << c.what;
    }
    EXPECT_EQ(c.call(), c.code) << c.what;
    EXPECT_EQ(LastError(), c.message) << c.what;
    PrnQty(1);
    PrnEnd();
  }
}

TEST_F(ResultMessageTest, NoMessageOutlivesTheNextCallThatWorks) {
  OpenJob();
  const std::string notAPicture = VXCL_SOURCE_DIR "/README.md";
  ASSERT_EQ(PrnDrawPCX(0, 1, 1, 0, 0, notAPicture.c_str()), 50);
  EXPECT_EQ(PrnDrawPCX(0, 1, 1, 0, 0, nullptr), 48);
  EXPECT_EQ(LastError(),
            "PrnDrawPCX: FileName is a null pointer; nothing added");
  const std::string wide(3277, 'x');
  ASSERT_EQ(PrnTrueTypeFont(0, 0, 0, nullptr, 24, 10, 20, 4, 0, 0, 0, 0, 0,
                            wide.c_str()),
            31);
  EXPECT_EQ(PrnTrueTypeFont(0, 0, 0, nullptr, 12, 0, 0, 4, 0, 0, 0, 0, 0, "A"),
            1);
  EXPECT_EQ(LastError(), "");

  // The readers leave the message of the last call that worked.
  ASSERT_EQ(PrnQty(-1), 5);
  const std::string warning = LastError();
  char buffer[8];
  VxclVirtualJobCount(kPrinter);
  VxclVirtualJob(kPrinter, 0, nullptr, 0);
  VxclVirtualJobName(kPrinter, 0, buffer, sizeof buffer);
  VxclPrinterCount();
  VxclPrinterName(0, buffer, sizeof buffer);
  VxclPreviewWarnings(buffer, sizeof buffer);
  EXPECT_EQ(VxclVersion(), VXCL_VERSION_NUMBER);
  EXPECT_EQ(LastError(), warning);
}

TEST_F(ResultMessageTest, EachThreadReadsItsOwnMessage) {
  OpenJob();
  ASSERT_EQ(PrnQty(-1), 5);
  std::string other;
  std::thread([&] {
    PrnCutter(-2, 0, 0);
    other = LastError();
  }).join();
  EXPECT_EQ(other, "PrnCutter: CutCount -2 is not 0 to 9999; 0 (no cut) used");
  EXPECT_EQ(LastError(), "PrnQty: Quantity -1 is not 0 to 999999; 1 used");
}

// " VQ" and "VQ" are different printers: a job built for one's metrics goes
// to that one.
TEST_F(ResultMessageTest, AJobGoesToThePrinterWhoseMetricsItWasBuiltFor) {
  ASSERT_TRUE(VirtualPrinters().Add(" VQ", 203, 104, 1000));
  ASSERT_TRUE(VirtualPrinters().Add("VQ", 305, 104, 1000));
  for (const char* name : {"VQ", " VQ", "  VQ "}) {
    ASSERT_EQ(PrnInit(name, 3, 4, 100.0, 50.0, 0.0), 1) << name;
    ASSERT_EQ(PrnQty(1), 1);
    ASSERT_EQ(PrnEnd(), 1);
  }
  // "  VQ " matches no name exactly: the first trimmed match, " VQ".
  ASSERT_EQ(VirtualPrinters().JobCount("VQ"), 1);
  ASSERT_EQ(VirtualPrinters().JobCount(" VQ"), 2);
  EXPECT_EQ(VirtualPrinters().Job("VQ", 0)->label->dotsPerMm, 12);
  EXPECT_EQ(VirtualPrinters().Job(" VQ", 0)->label->dotsPerMm, 8);
  EXPECT_EQ(VirtualPrinters().Job(" VQ", 1)->label->dotsPerMm, 8);
  VirtualPrinters().Remove(" VQ");
  VirtualPrinters().Remove("VQ");
}

TEST(Version, TheLibraryIsTheHeadersVersion) {
  EXPECT_EQ(VxclVersion(), VXCL_VERSION_NUMBER);
  EXPECT_EQ(VXCL_VERSION_NUMBER, VXCL_VERSION_MAJOR * 1000000 +
                                     VXCL_VERSION_MINOR * 1000 +
                                     VXCL_VERSION_PATCH);
}

}  // namespace
}  // namespace vxcl::test
