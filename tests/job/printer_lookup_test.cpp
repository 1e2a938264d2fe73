// Printer lookup against a scripted printer system.
#include "job/printer_lookup.h"

#include <gtest/gtest.h>

#include "platform/layered_printer_system.h"
#include "support/fake_platform.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

class LookupTest : public JobTest {
 protected:
  FakePlatform fake;
};

TEST_F(LookupTest, ProbesDefaultThenWidestThenLongestPaper) {
  FakePrinterScript& p = fake.printers.Add("Label Printer");
  p.dotsPerInch = 203;
  p.widthMm = 104;
  p.heightMm = 2000;
  const auto printer = LookUpPrinter(fake.printers, "Label Printer");
  ASSERT_TRUE(printer);
  EXPECT_EQ(printer->dotsPerMm, 8);
  EXPECT_EQ(printer->maxWidthDots, 832);
  EXPECT_EQ(printer->maxHeightDots, 8000);  // 1000 mm paper: 1000 mm printable
  ASSERT_EQ(p.modes.size(), 3u);
  EXPECT_EQ(p.modes[0].paperWidth, 2100);  // the driver's own paper first
  EXPECT_EQ(p.modes[1].paperWidth, 10000);
  EXPECT_EQ(p.modes[1].paperLength, 2970);
  EXPECT_EQ(p.modes[2].paperWidth, 1040);  // back to the default width
  EXPECT_EQ(p.modes[2].paperLength, 10000);
  EXPECT_EQ(p.closed, p.opened);
}

TEST_F(LookupTest, ResolutionRoundsToDotsPerMm) {
  struct {
    int dpi, dotsPerMm;
  } cases[] = {{203, 8},  {300, 12}, {305, 12}, {600, 24},
               {609, 24}, {88, 3},   {89, 4},   {1, 0}};
  for (const auto& c : cases) {
    FakePlatform local;
    local.printers.Add("P").dotsPerInch = c.dpi;
    const auto printer = LookUpPrinter(local.printers, "P");
    ASSERT_TRUE(printer);
    EXPECT_EQ(printer->dotsPerMm, c.dotsPerMm) << c.dpi << " dpi";
  }
}

TEST_F(LookupTest, FirstOfTheTrimmedNamesWins) {
  fake.printers.Add("Other");
  fake.printers.Add(" Label ").dotsPerInch = 300;
  fake.printers.Add("Label").dotsPerInch = 600;
  const auto printer = LookUpPrinter(fake.printers, "Label\t");
  ASSERT_TRUE(printer);
  EXPECT_EQ(printer->dotsPerMm, 12);
  EXPECT_FALSE(LookUpPrinter(fake.printers, "label"));
  EXPECT_FALSE(LookUpPrinter(fake.printers, ""));
}

// The virtual printers lie in front of the operating system's: a name the
// front layer holds exactly is found without asking the layer behind, which
// may keep a caller waiting; any other name asks it, and an exact name there
// still beats a trimmed one in front.
TEST_F(LookupTest, ExactNameInTheFrontLayerDoesNotAskTheLayerBehind) {
  FakePrinterSystem front, behind;
  front.Add("VP");
  front.Add("Label");
  behind.Add(" Label");
  behind.Add("Office");
  LayeredPrinterSystem both(front, behind);

  behind.throwBadAlloc = true;  // asking it fails the lookup loudly
  const auto vp = FindInstalledPrinter(both, "VP");
  ASSERT_TRUE(vp);
  EXPECT_EQ(*vp, "VP");
  behind.enumerationFails = true;
  behind.throwBadAlloc = false;
  EXPECT_TRUE(FindInstalledPrinter(both, "Label"))
      << "a failing layer behind loses no name in front";

  behind.enumerationFails = false;
  const auto exactBehind = FindInstalledPrinter(both, " Label");
  ASSERT_TRUE(exactBehind);
  EXPECT_EQ(*exactBehind, " Label");
  const auto office = FindInstalledPrinter(both, "Office ");
  ASSERT_TRUE(office);
  EXPECT_EQ(*office, "Office");
  const auto vpTrimmed = FindInstalledPrinter(both, " VP");
  ASSERT_TRUE(vpTrimmed);
  EXPECT_EQ(*vpTrimmed, "VP");
  EXPECT_FALSE(FindInstalledPrinter(both, "vp"));
}

TEST_F(LookupTest, UnusablePrintersAreNotFound) {
  fake.printers.Add("Closed").canOpen = false;
  fake.printers.Add("NoMode").canReadMode = false;
  for (const char* name : {"Closed", "NoMode"}) {
    auto printer = LookUpPrinter(fake.printers, name);
    ASSERT_FALSE(printer) << name;
    EXPECT_EQ(printer.Failure().code, VXCL_PRINTER_NOT_FOUND) << name;
  }
  fake.printers.enumerationFails = true;
  EXPECT_FALSE(LookUpPrinter(fake.printers, "NoMode"));
}

TEST_F(LookupTest, AMissingDeviceContextIsTheLookupError) {
  for (int failing = 0; failing < 3; ++failing) {
    FakePlatform local;
    FakePrinterScript& p = local.printers.Add("P");
    p.queryFailsAt = failing;
    auto printer = LookUpPrinter(local.printers, "P");
    ASSERT_FALSE(printer) << "query " << failing;
    EXPECT_EQ(printer.Failure().message,
              "printer \"P\" cannot report its resolution and printable area "
              "(Printer selected is not valid.....)");
    EXPECT_EQ(p.closed, p.opened);
  }
}

TEST_F(LookupTest, JobStartAnswersALookupErrorWith3AndTheMessage) {
  fake.printers.Add("P").queryFailsAt = 1;
  EXPECT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 3);
  char message[160];
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message,
               "PrnInit: printer \"P\" cannot report its resolution and "
               "printable area (Printer selected is not valid.....); no job "
               "opened");
  EXPECT_EQ(PrnQty(1), 0) << "no job is open";
  // The next job start clears the message.
  fake.printers.Add("Q");
  EXPECT_EQ(PrnInit("Q", 3, 4, 100.0, 50.0, 0.0), 1);
  EXPECT_EQ(VxclLastError(message, sizeof message), 0);
  EXPECT_STREQ(message, "");
}

TEST_F(LookupTest, AnExceptionInsideAJobStartNeverEscapes) {
  fake.printers.Add("P");
  ASSERT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
  fake.printers.throwBadAlloc = true;
  EXPECT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), VXCL_INTERNAL_FAILURE);
  EXPECT_EQ(PrnInitESeries("P", 3, 4, 100.0, 50.0, 0.0), VXCL_INTERNAL_FAILURE);
  char message[64];
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message, "PrnInitESeries: out of memory");
  EXPECT_EQ(PrnQty(1), 0) << "no job is open";
  fake.printers.throwBadAlloc = false;
  EXPECT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
}

}  // namespace
}  // namespace vxcl::test
