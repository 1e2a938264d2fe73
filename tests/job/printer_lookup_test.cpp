// Printer lookup against a scripted printer system.
#include "job/printer_lookup.h"

#include <gtest/gtest.h>

#include "job/errors.h"
#include "job/last_error.h"
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
  JobState state;
  ASSERT_TRUE(FindPrinter(fake.printers, "Label Printer", state));
  EXPECT_EQ(state.DotsPerMm, 8);
  EXPECT_EQ(state.MaxWidthDots, 832);
  EXPECT_EQ(state.MaxHeightDots, 8000);  // 1000 mm paper: 1000 mm printable
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
    JobState state;
    ASSERT_TRUE(FindPrinter(local.printers, "P", state));
    EXPECT_EQ(state.DotsPerMm, c.dotsPerMm) << c.dpi << " dpi";
  }
}

TEST_F(LookupTest, FirstOfTheTrimmedNamesWins) {
  fake.printers.Add("Other");
  fake.printers.Add(" Label ").dotsPerInch = 300;
  fake.printers.Add("Label").dotsPerInch = 600;
  JobState state;
  ASSERT_TRUE(FindPrinter(fake.printers, "Label\t", state));
  EXPECT_EQ(state.DotsPerMm, 12);
  EXPECT_FALSE(FindPrinter(fake.printers, "label", state));
  EXPECT_FALSE(FindPrinter(fake.printers, "", state));
}

TEST_F(LookupTest, UnusablePrintersAreNotFoundAndWriteNothing) {
  fake.printers.Add("Closed").canOpen = false;
  fake.printers.Add("NoMode").canReadMode = false;
  JobState state;
  state.DotsPerMm = 77;
  EXPECT_FALSE(FindPrinter(fake.printers, "Closed", state));
  EXPECT_FALSE(FindPrinter(fake.printers, "NoMode", state));
  EXPECT_EQ(state.DotsPerMm, 77);
  fake.printers.enumerationFails = true;
  EXPECT_FALSE(FindPrinter(fake.printers, "NoMode", state));
}

TEST_F(LookupTest, AMissingDeviceContextRaisesTheLookupError) {
  for (int failing = 0; failing < 3; ++failing) {
    FakePlatform local;
    FakePrinterScript& p = local.printers.Add("P");
    p.queryFailsAt = failing;
    JobState state;
    try {
      FindPrinter(local.printers, "P", state);
      ADD_FAILURE() << "no error for query " << failing;
    } catch (const ERAWPrintError& e) {
      EXPECT_STREQ(e.what(), "Printer selected is not valid.....");
    }
    EXPECT_EQ(p.closed, p.opened);
  }
}

TEST_F(LookupTest, JobStartAnswersALookupErrorWith3AndTheMessage) {
  fake.printers.Add("P").queryFailsAt = 1;
  EXPECT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_FALSE(job().JobOpen);
  EXPECT_EQ(job().BusyCount, 0);
  char message[64];
  EXPECT_EQ(VxclLastError(message, sizeof message), 34);
  EXPECT_STREQ(message, "Printer selected is not valid.....");
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
  EXPECT_FALSE(job().JobOpen);
  EXPECT_EQ(job().BusyCount, 0);
  char message[64];
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message, "out of memory");
  fake.printers.throwBadAlloc = false;
  EXPECT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
}

}  // namespace
}  // namespace vxcl::test
