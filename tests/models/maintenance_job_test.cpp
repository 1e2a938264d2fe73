// What both maintenance jobs share: the job reset after any submission, a
// failed submission's code, and refusals that leave an open job intact.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/virtual_printers.h"
#include "support/fake_platform.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

std::string LastError() {
  std::string message(256, '\0');
  const int length = VxclLastError(message.data(), 256);
  message.resize(static_cast<std::size_t>(length));
  return message;
}

int Calibrate(const char* printer) {
  return PrnCXCalibrate(printer, 50.0, 1, 0, 0, 200, 3300, 0);
}

int SendDefaults(const char* printer) {
  return PrnCTDefault(printer, 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832, 0, 0,
                      0, 0, 0, 0, 0, 0, 0);
}

using MaintenanceJobTest = JobTest;

TEST_F(MaintenanceJobTest, FailedSubmissionReturnsItsCodeAndResetsTheJob) {
  struct Case {
    void (*script)(FakePrinterScript&);
    int code;
  } cases[] = {
      {[](FakePrinterScript& p) { p.startDoc = false; }, 146},
      {[](FakePrinterScript& p) { p.write = false; }, 147},
      {[](FakePrinterScript& p) { p.shortBy = 1; }, 148},
      {[](FakePrinterScript& p) { p.endPage = false; }, 149},
      {[](FakePrinterScript& p) { p.endDoc = false; }, 150},
  };
  for (int (*send)(const char*) : {&Calibrate, &SendDefaults}) {
    for (const Case& c : cases) {
      FakePlatform fake;
      c.script(fake.printers.Add("FP"));
      ASSERT_EQ(PrnInit("FP", 3, 4, 100.0, 50.0, 0.0), 1);
      ASSERT_EQ(PrnQty(1), 1);
      // Settings out of range do not hide the spooler's code.
      EXPECT_EQ(send("FP"), c.code);
      EXPECT_EQ(LastError(), "列印 \"FP Job\" 文件發生錯誤.");
      EXPECT_EQ(PrnEnd(), 0);
      EXPECT_EQ(fake.printers.printers.front().closed,
                fake.printers.printers.front().opened);
    }
  }
}

TEST_F(MaintenanceJobTest, SpoolerCodeTakesPrecedenceOverSettingCodes) {
  FakePlatform fake;
  fake.printers.Add("FP").write = false;
  EXPECT_EQ(PrnCXCalibrate("FP", 50.0, 9, 0, 0, 200, 3300, 0), 147);
  EXPECT_EQ(PrnCTDefault("FP", 9, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832, 0, 0,
                         0, 0, 0, 0, 0, 0, 0),
            147);
}

TEST_F(MaintenanceJobTest, LookupErrorGivesZeroWithTheMessage) {
  for (auto [send, call] : {std::pair{&Calibrate, "PrnCXCalibrate"},
                            std::pair{&SendDefaults, "PrnCTDefault"}}) {
    FakePlatform fake;
    fake.printers.Add("FP").queryFailsAt = 0;
    EXPECT_EQ(send("FP"), 0);
    EXPECT_EQ(LastError(), std::string(call) +
                               ": printer \"FP\" cannot report its "
                               "resolution and printable area (Printer "
                               "selected is not valid.....); nothing sent");
    EXPECT_TRUE(fake.printers.printers.front().steps.empty());
  }
}

TEST_F(MaintenanceJobTest, SuccessClearsAnEarlierError) {
  FakePlatform fake;
  fake.printers.Add("FP").queryFailsAt = 0;
  fake.printers.Add("OK");
  ASSERT_EQ(Calibrate("FP"), 0);
  ASSERT_FALSE(LastError().empty());
  EXPECT_EQ(SendDefaults("OK"), 1);
  EXPECT_EQ(LastError(), "");
}

// A refused maintenance job must not redirect the open label job: its job
// end still goes to the printer it was opened for, with that printer's
// metrics for the elements drawn afterwards.
TEST_F(MaintenanceJobTest, RefusalLeavesTheOpenJobWithItsPrinter) {
  ASSERT_TRUE(VirtualPrinters().Add("LOW", 88, 50, 100));
  for (int (*refused)() : {+[] { return Calibrate("Nowhere"); },
                           +[] { return SendDefaults("Nowhere"); },
                           +[] { return Calibrate("LOW"); }}) {
    OpenJob();
    EXPECT_NE(refused(), 1);
    ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);
    EXPECT_EQ(Show(PrintedElements()),
              Show(B("<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400")));
    EXPECT_EQ(LastSentLabel().headWidthDots, 832);
  }
  EXPECT_EQ(VirtualPrinters().JobCount("LOW"), 0);
  VirtualPrinters().Remove("LOW");
}

TEST_F(MaintenanceJobTest, FailureBeforeSubmissionKeepsTheOpenJob) {
  FakePlatform fake;
  fake.printers.Add("FP");
  ASSERT_EQ(PrnInit("FP", 3, 4, 100.0, 50.0, 0.0), 1);
  fake.printers.throwBadAlloc = true;
  EXPECT_EQ(Calibrate("Other"), 31);
  EXPECT_EQ(LastError(), "PrnCXCalibrate: out of memory");
  fake.printers.throwBadAlloc = false;
  EXPECT_EQ(PrnQty(1), 1);
  EXPECT_EQ(PrnEnd(), 1);
  EXPECT_EQ(Show(fake.printers.printers.front().written),
            Show(OpenJobHeader() + B("<ESC>Q1<ESC>Z<ETX>")));
}

TEST_F(MaintenanceJobTest, DefaultsNeedNoResolution) {
  ASSERT_TRUE(VirtualPrinters().Add("LOW", 88, 50, 100));
  EXPECT_EQ(SendDefaults("LOW"), 1);
  EXPECT_EQ(VirtualPrinters().JobCount("LOW"), 1);
  VirtualPrinters().Remove("LOW");
}

}  // namespace
}  // namespace vxcl::test
