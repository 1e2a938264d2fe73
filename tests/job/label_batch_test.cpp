// Batches through the C interface: what the printers receive, what each
// call answers, and the edge cases a host meets.
#include "job/label_batch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "platform/virtual_printers.h"
#include "support/fake_platform.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

std::string LastError() {
  char message[512] = {};
  VxclLastError(message, sizeof message);
  return message;
}

class LabelBatchTest : public JobTest {
 protected:
  // One label with its own serial number on `printer`, ended: PrnEnd's
  // answer.
  int EndLabel(int serial, const char* printer = kPrinter) {
    EXPECT_EQ(PrnInit(printer, 3, 4, 100.0, 50.0, 0.0), 1);
    const std::string text = "SN" + std::to_string(serial);
    EXPECT_EQ(PrnInternalFont(0, 5.0, 5.0, "XM", 1, 1, 0, text.c_str()), 1);
    EXPECT_EQ(PrnBarcode(0, 5.0, 15.0, 'G', 2, 2, 10.0, text.c_str()), 1);
    EXPECT_EQ(PrnQty(serial % 3 + 1), 1);
    return PrnEnd();
  }
  // The bytes the labels `serials` send one job each.
  std::string SingleJobs(const std::vector<int>& serials) {
    std::string bytes;
    for (int serial : serials) {
      EXPECT_EQ(EndLabel(serial), 1);
      bytes += LastSentJob();
    }
    return bytes;
  }
};

TEST_F(LabelBatchTest, SendsTheSingleJobsBytesAsOneJobWhenItEnds) {
  const std::string singles = SingleJobs({1, 2, 3});
  const int before = SentJobs();
  ASSERT_EQ(VxclBeginBatch(), 1);
  for (int serial : {1, 2, 3}) EXPECT_EQ(EndLabel(serial), 1);
  EXPECT_EQ(SentJobs(), before) << "nothing is sent before the batch ends";
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(SentJobs(), before + 1);
  EXPECT_EQ(LastSentJob(), singles);
  EXPECT_EQ(LastSentJobName(), "VP Batch");
  // After the batch PrnEnd sends at once again.
  EXPECT_EQ(EndLabel(4), 1);
  EXPECT_EQ(SentJobs(), before + 2);
}

TEST_F(LabelBatchTest, WaitsForTheSpoolerOnceForTheWholeBatch) {
  FakePlatform fake;
  FakePrinterScript& p = fake.printers.Add("P");
  ASSERT_EQ(VxclBeginBatch(), 1);
  for (int serial = 0; serial < 5; ++serial)
    EXPECT_EQ(EndLabel(serial, "P"), 1);
  EXPECT_TRUE(p.steps.empty()) << "nothing submitted yet";
  EXPECT_EQ(fake.clock.slept, 0u) << "PrnEnd in a batch waits for nothing";
  const int opened = p.opened;
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(p.opened, opened + 1);
  EXPECT_EQ(p.steps, (std::vector<std::string>{"StartDoc", "StartPage", "Write",
                                               "EndPage", "EndDoc"}));
  EXPECT_EQ(p.documentName, "P Batch");
  EXPECT_GE(fake.clock.slept, 1000u);
  EXPECT_LE(fake.clock.slept, 1010u);
}

// Asking the spooler about the printer for every label would cost more
// than the labels: inside a batch its first answer serves the job starts
// that name the printer the same way.
TEST_F(LabelBatchTest, JobStartsInABatchAskTheSpoolerOnce) {
  FakePlatform fake;
  FakePrinterScript& p = fake.printers.Add("P");
  ASSERT_EQ(VxclBeginBatch(), 1);
  const int before = p.opened;
  for (int serial = 1; serial <= 5; ++serial)
    EXPECT_EQ(EndLabel(serial, "P"), 1);
  EXPECT_EQ(p.opened, before + 1) << "one lookup, no submission yet";
  EXPECT_EQ(PrnInit(" P", 3, 4, 100.0, 50.0, 0.0), 1);
  EXPECT_GT(p.opened, before + 1) << "the name written otherwise is asked";
  EXPECT_EQ(PrnInit("nowhere", 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(VxclEndBatch(), 1);
  ASSERT_EQ(VxclBeginBatch(), 1);
  const int again = p.opened;
  EXPECT_EQ(EndLabel(6, "P"), 1);
  EXPECT_EQ(p.opened, again + 1) << "a new batch asks afresh";
  EXPECT_EQ(VxclCancelBatch(), 1);
}

TEST_F(LabelBatchTest, CallsWithoutAnOpenBatchAreRefused) {
  EXPECT_EQ(VxclEndBatch(), VXCL_NO_BATCH);
  EXPECT_EQ(LastError(), "VxclEndBatch: no batch is open; nothing was sent");
  EXPECT_EQ(VxclCancelBatch(), VXCL_NO_BATCH);
  EXPECT_EQ(LastError(),
            "VxclCancelBatch: no batch is open; nothing was dropped");
  // An empty batch sends nothing and succeeds.
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(SentJobs(), 0);
  EXPECT_EQ(VxclEndBatch(), VXCL_NO_BATCH);
}

TEST_F(LabelBatchTest, BeginningTwiceKeepsTheOpenBatch) {
  const std::string singles = SingleJobs({1, 2});
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1), 1);
  EXPECT_EQ(VxclBeginBatch(), VXCL_BATCH_OPEN);
  EXPECT_EQ(LastError(),
            "VxclBeginBatch: a batch is already open with 1 label jobs; it is "
            "kept as it is: end or cancel it before beginning another");
  EXPECT_EQ(EndLabel(2), 1);
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(SentJobs(), 3);
  EXPECT_EQ(LastSentJob(), singles);
}

TEST_F(LabelBatchTest, CancelDropsTheJobsUnsent) {
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1), 1);
  EXPECT_EQ(EndLabel(2), 1);
  EXPECT_EQ(VxclCancelBatch(), 1);
  EXPECT_EQ(VxclEndBatch(), VXCL_NO_BATCH);
  EXPECT_EQ(SentJobs(), 0);
}

TEST_F(LabelBatchTest, JobForAnotherPrinterIsRefusedAndStaysOpen) {
  ASSERT_TRUE(VirtualPrinters().Add("VP2", 203, 104, 1000));
  const std::string first = SingleJobs({1});
  const std::string second = SingleJobs({2});
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1), 1);
  EXPECT_EQ(EndLabel(2, "VP2"), VXCL_BATCH_PRINTER);
  EXPECT_EQ(LastError(),
            "PrnEnd: printer \"VP2\" is not the open batch's printer \"VP\"; "
            "the label job was not added to the batch and stays open: end "
            "the batch, then call PrnEnd again");
  EXPECT_EQ(PrnQty(1), 1) << "the refused job is still open";
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(LastSentJob(), first) << "nothing lost from the batch";
  EXPECT_EQ(PrnQty(3), 1);
  EXPECT_EQ(PrnEnd(), 1);
  EXPECT_EQ(VirtualPrinters().Job("VP2", 0)->bytes, second);
  VirtualPrinters().Remove("VP2");
}

TEST_F(LabelBatchTest, JobPastTheSizeLimitIsRefusedAndStaysOpen) {
  const std::size_t one = SingleJobs({1}).size();
  TheBatch().SetByteLimit(2 * one + 1);
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1), 1);
  EXPECT_EQ(EndLabel(1), 1);
  EXPECT_EQ(EndLabel(1), VXCL_BATCH_FULL);
  const std::string n = std::to_string(one);
  EXPECT_EQ(LastError(),
            "PrnEnd: the label job's " + n + " bytes would take the batch's " +
                std::to_string(2 * one) + " bytes past its limit of " +
                std::to_string(2 * one + 1) +
                " bytes; the label job was not added and stays "
                "open: end the batch, then call PrnEnd again");
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(LastSentJob().size(), 2 * one);
  EXPECT_EQ(PrnEnd(), 1) << "the refused job goes on its own";
  EXPECT_EQ(LastSentJob().size(), one);
}

TEST_F(LabelBatchTest, JobWithoutQuantityIsClosedAndLeavesTheBatchAsItWas) {
  const std::string first = SingleJobs({1});
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1), 1);
  OpenJob();
  EXPECT_EQ(PrnEnd(), VXCL_QUANTITY);
  EXPECT_EQ(PrnQty(1), VXCL_NO_JOB);
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(LastSentJob(), first);
}

TEST_F(LabelBatchTest, MaintenanceJobsWaitUntilTheBatchEnds) {
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1), 1);
  OpenJob();
  EXPECT_EQ(PrnCXCalibrate(kPrinter, 50.0, 1, 0, 0, 200, 3300, 0),
            VXCL_BATCH_OPEN);
  EXPECT_EQ(LastError(),
            "PrnCXCalibrate: a batch is open with 1 label jobs; a maintenance "
            "job is sent at once and would overtake them: nothing was sent, "
            "end or cancel the batch first");
  EXPECT_EQ(PrnCTDefault(kPrinter, 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832, 0,
                         0, 0, 0, 0, 0, 0, 0, 0),
            VXCL_BATCH_OPEN);
  EXPECT_EQ(SentJobs(), 0);
  EXPECT_EQ(PrnQty(1), 1) << "the open job is kept";
  EXPECT_EQ(VxclCancelBatch(), 1);
  EXPECT_EQ(PrnCXCalibrate(kPrinter, 50.0, 1, 0, 0, 200, 3300, 0), 1);
}

TEST_F(LabelBatchTest, SpoolerFailureCancelsTheWholeBatch) {
  FakePlatform fake;
  FakePrinterScript& p = fake.printers.Add("P");
  p.write = false;
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1, "P"), 1);
  EXPECT_EQ(EndLabel(2, "P"), 1);
  EXPECT_EQ(VxclEndBatch(), VXCL_SPOOL_WRITE);
  EXPECT_EQ(LastError(), "列印 \"P Batch\" 文件發生錯誤.");
  EXPECT_EQ(p.steps, (std::vector<std::string>{"StartDoc", "StartPage", "Write",
                                               "EndPage", "EndDoc"}));
  EXPECT_EQ(p.closed, p.opened);
  EXPECT_EQ(VxclEndBatch(), VXCL_NO_BATCH) << "the batch is gone";
}

// The queue-wait limit holds for a batch as for a single job, and 151 keeps
// the spooler's own message as the other spooler codes do.
TEST_F(LabelBatchTest, QueueThatStaysFullGivesUpWith151SendingNothing) {
  FakePlatform fake;
  FakePrinterScript& p = fake.printers.Add("P");
  p.queue = {4};
  ASSERT_EQ(VxclSetSpoolerTimeout(2), 1);
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1, "P"), 1);
  EXPECT_EQ(VxclEndBatch(), VXCL_SPOOL_QUEUE_FULL);
  EXPECT_EQ(LastError(),
            "the queue of \"P\" still holds 4 jobs after 2 s; nothing was "
            "sent (VxclSetSpoolerTimeout sets how long to wait)");
  EXPECT_TRUE(p.steps.empty()) << "nothing sent";
  EXPECT_EQ(fake.clock.slept, 2000u);
  EXPECT_EQ(VxclEndBatch(), VXCL_NO_BATCH) << "the batch is gone";
  ASSERT_EQ(VxclSetSpoolerTimeout(60), 1);
}

// While the batch waits for the queue, the lock is free: another thread's
// calls are answered during the wait, not after it.
TEST_F(LabelBatchTest, OtherThreadsGoOnWhileTheBatchWaits) {
  FakePlatform fake;
  FakePrinterScript& p = fake.printers.Add("P");
  p.queue = {3, 2};
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1, "P"), 1);
  bool answeredDuringWait = false;
  fake.clock.onSleep = [&] {
    if (answeredDuringWait || !p.steps.empty()) return;
    auto other = std::async(std::launch::async, [] {
      return VxclAddVirtualPrinter("OTHER", 203, 104, 400) == 1 &&
             VxclRemoveVirtualPrinter("OTHER") == 1;
    });
    // Were the lock held, the other thread would wait for ever: the test
    // then ends at its time-out.
    answeredDuringWait =
        other.wait_for(std::chrono::seconds(5)) == std::future_status::ready &&
        other.get();
  };
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_TRUE(answeredDuringWait);
}

TEST_F(LabelBatchTest, HostCodeDuringTheWaitMayStartTheNextBatch) {
  FakePlatform fake;
  FakePrinterScript& p = fake.printers.Add("P");
  ASSERT_EQ(VxclBeginBatch(), 1);
  EXPECT_EQ(EndLabel(1, "P"), 1);
  int nested = -1;
  fake.clock.onSleep = [&] {
    if (nested != -1) return;
    nested = VxclBeginBatch();
    EndLabel(2, "P");
  };
  EXPECT_EQ(VxclEndBatch(), 1);
  EXPECT_EQ(nested, 1);
  const std::string firstBatch = p.written;
  EXPECT_EQ(VxclEndBatch(), 1) << "the batch begun during the wait";
  EXPECT_GT(p.written.size(), firstBatch.size());
}

}  // namespace
}  // namespace vxcl::test
