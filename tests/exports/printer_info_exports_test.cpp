#include <gtest/gtest.h>

#include <string>

#include "platform/virtual_printers.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using PrinterInfo = JobTest;

TEST_F(PrinterInfo, VirtualPrintersAreListedFirst) {
  const int count = VxclPrinterCount();
  ASSERT_GE(count, 1);
  char name[8] = "junk";
  EXPECT_EQ(VxclPrinterName(0, name, sizeof name), 2);
  EXPECT_STREQ(name, kPrinter);

  // Truncated to fit, the full length returned; no such index: -1.
  char tiny[2];
  EXPECT_EQ(VxclPrinterName(0, tiny, sizeof tiny), 2);
  EXPECT_STREQ(tiny, "V");
  EXPECT_EQ(VxclPrinterName(0, nullptr, 0), 2);
  EXPECT_EQ(VxclPrinterName(-1, name, sizeof name), -1);
  EXPECT_EQ(VxclPrinterName(count, name, sizeof name), -1);
}

TEST_F(PrinterInfo, MetricsAreWhatAJobStartReads) {
  int dotsPerMm = 0, maxWidthDots = 0, maxHeightDots = 0;
  EXPECT_EQ(
      VxclPrinterMetrics(kPrinter, &dotsPerMm, &maxWidthDots, &maxHeightDots),
      1);
  EXPECT_EQ(dotsPerMm, 8);
  EXPECT_EQ(maxWidthDots, 832);
  EXPECT_EQ(maxHeightDots, 8000);
  EXPECT_EQ(VxclPrinterMetrics(kPrinter, nullptr, nullptr, nullptr), 1);
}

TEST_F(PrinterInfo, UnknownPrinterGivesZeroAndLeavesTheOutputsAlone) {
  for (const char* name :
       {"vp", "NO SUCH PRINTER", "", static_cast<const char*>(nullptr)}) {
    int dotsPerMm = -7;
    EXPECT_EQ(VxclPrinterMetrics(name, &dotsPerMm, nullptr, nullptr), 0)
        << (name ? name : "null");
    EXPECT_EQ(dotsPerMm, -7);
  }
}

TEST_F(PrinterInfo, QueryLeavesTheOpenJobAlone) {
  ASSERT_TRUE(VirtualPrinters().Add("WIDE", 305, 167, 1500));
  OpenJob();
  int dotsPerMm = 0, maxWidthDots = 0;
  EXPECT_EQ(VxclPrinterMetrics("WIDE", &dotsPerMm, &maxWidthDots, nullptr), 1);
  VirtualPrinters().Remove("WIDE");
  EXPECT_EQ(dotsPerMm, 12);
  EXPECT_EQ(maxWidthDots, 2004);
  // The open job prints as it was opened, at 8 dots/mm.
  ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);
  EXPECT_EQ(Show(PrintedElements()),
            Show(B("<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400")));
}

}  // namespace
}  // namespace vxcl::test
