// Raw submission against a scripted printer system: queue wait, host
// events, each spooler step failing, and what PrnEnd makes of it.
#include "job/raw_job.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using Taken = HostEventQueue::Taken;
using Steps = std::vector<std::string>;

class RawJobTest : public JobTest {
 protected:
  const Platform& platform() { return CurrentPlatform(); }
  FakePlatform fake;
};

TEST_F(RawJobTest, WritesEveryByteNulIncludedAndSettlesOneSecond) {
  FakePrinterScript& p = fake.printers.Add("P");
  const std::string data("A\0B\0\0C", 6);
  EXPECT_EQ(SubmitRawJob(platform(), "P", "P Job", data).code, 1);
  EXPECT_EQ(p.written, data);
  EXPECT_EQ(p.documentName, "P Job");
  EXPECT_EQ(p.steps,
            (Steps{"StartDoc", "StartPage", "Write", "EndPage", "EndDoc"}));
  EXPECT_EQ(p.closed, 1);
  // The settle wait lasts a second and sleeps in short polls.
  EXPECT_GE(fake.clock.slept, 1000u);
  EXPECT_LE(fake.clock.slept, 1010u);
  EXPECT_GE(fake.clock.sleeps, 100);
}

TEST_F(RawJobTest, TwoQueuedJobsDoNotWait) {
  FakePrinterScript& p = fake.printers.Add("P");
  p.queue = {2};
  fake.clock.nowMs = 0xFFFFFF00u;  // the counter wraps during the wait
  EXPECT_EQ(SubmitRawJob(platform(), "P", "d", "x").code, 1);
  EXPECT_EQ(p.enumerations, 1);
  EXPECT_LE(fake.clock.slept, 1010u);
}

TEST_F(RawJobTest, ThreeQueuedJobsWaitInOneSecondRoundsServicingEvents) {
  FakePrinterScript& p = fake.printers.Add("P");
  p.queue = {3, 5, 3, 2};
  fake.events.waiting = {Taken::Other, Taken::Other};
  int dispatchedDuringWait = 0;
  fake.clock.onSleep = [&] {
    if (p.steps.empty() && fake.events.waiting.empty()) {
      fake.events.waiting.push_back(Taken::Other);
      ++dispatchedDuringWait;
    }
  };
  EXPECT_EQ(SubmitRawJob(platform(), "P", "d", "x").code, 1);
  EXPECT_EQ(p.enumerations, 4);
  EXPECT_GE(fake.clock.slept, 4000u);  // three rounds, then the settle wait
  EXPECT_LT(fake.clock.slept, 4100u);
  EXPECT_EQ(fake.events.dispatched, 2 + dispatchedDuringWait);
  EXPECT_GT(dispatchedDuringWait, 0);
}

// The host's limit on the queue wait, put back to the default after a test.
struct QueueWaitLimit {
  explicit QueueWaitLimit(int seconds) { VxclSetSpoolerTimeout(seconds); }
  ~QueueWaitLimit() { VxclSetSpoolerTimeout(60); }
};

TEST_F(RawJobTest, QueueThatStaysFullGivesUpAtTheLimitSendingNothing) {
  struct Case {
    int limit;  // 0: as long as it takes
    std::vector<std::optional<int>> queue;
    int code;
    std::uint32_t waitedMs;  // before the settle wait, if sent
  };
  std::vector<std::optional<int>> tenMinutesFull(600, 3);
  tenMinutesFull.push_back(2);
  const Case cases[] = {
      {60, {3}, 151, 60000},  // the default
      {3, {5}, 151, 3000},
      {3, {3, 3, 3, 2}, 1, 3000},  // room at the last look
      {3, {3, 3, 3, 3, 2}, 151, 3000},
      {0, tenMinutesFull, 1, 600000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.limit);
    FakePlatform platformFake;
    FakePrinterScript& p = platformFake.printers.Add("P");
    p.queue = c.queue;
    const QueueWaitLimit limit(c.limit);
    const Outcome sent = SubmitRawJob(CurrentPlatform(), "P", "P Job", "x");
    EXPECT_EQ(sent.code, c.code);
    const std::uint32_t settle = c.code == 1 ? 1000 : 0;
    EXPECT_GE(platformFake.clock.slept, c.waitedMs + settle);
    EXPECT_LE(platformFake.clock.slept, c.waitedMs + settle + 10);
    EXPECT_EQ(p.closed, 1);
    if (c.code == 151) {
      EXPECT_TRUE(p.steps.empty()) << "nothing sent";
      EXPECT_EQ(sent.message,
                "the queue of \"P\" still holds " +
                    std::to_string(p.queue.front().value()) + " jobs after " +
                    std::to_string(c.limit) +
                    " s; nothing was sent (VxclSetSpoolerTimeout sets how long "
                    "to wait)");
    }
  }
}

TEST_F(RawJobTest, NegativeLimitIsRefusedAndTheLimitKept) {
  const QueueWaitLimit limit(5);
  EXPECT_EQ(VxclSetSpoolerTimeout(-1), 0);
  char message[256];
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message,
               "VxclSetSpoolerTimeout: seconds -1 is below 0 (0 waits as long "
               "as it takes); the limit stays 5 s");
  fake.printers.Add("P").queue = {3};
  EXPECT_EQ(SubmitRawJob(platform(), "P", "d", "x").code, 151);
  EXPECT_EQ(fake.clock.slept, 5000u);
}

TEST_F(RawJobTest, QuitRequestIsSwallowed) {
  fake.printers.Add("P");
  fake.events.waiting = {Taken::Other, Taken::Quit, Taken::Other};
  EXPECT_EQ(SubmitRawJob(platform(), "P", "d", "x").code, 1);
  EXPECT_EQ(fake.events.dispatched, 2);
  EXPECT_TRUE(fake.events.waiting.empty());
}

TEST_F(RawJobTest, FailingEnumerationIsRetriedForFiveSecondsThenIgnored) {
  FakePrinterScript& p = fake.printers.Add("P");
  p.queue = {std::nullopt};
  EXPECT_EQ(SubmitRawJob(platform(), "P", "d", "x").code, 1);
  EXPECT_EQ(p.written, "x");
  EXPECT_GE(fake.clock.slept, 5000u + 1000u);
  EXPECT_LT(fake.clock.slept, 5000u + 1000u + 50u);
}

TEST_F(RawJobTest, EnumerationRecoveringInTimeCountsTheQueue) {
  FakePrinterScript& p = fake.printers.Add("P");
  p.queue = {std::nullopt, std::nullopt, 1};
  EXPECT_EQ(SubmitRawJob(platform(), "P", "d", "x").code, 1);
  EXPECT_EQ(p.enumerations, 3);
}

struct StepFailure {
  const char* name;
  void (*arrange)(FakePrinterScript&);
  int code;
  Steps steps;
};

class StepFailureTest : public RawJobTest,
                        public ::testing::WithParamInterface<StepFailure> {};

TEST_P(StepFailureTest, RecordsTheCodeRunsCleanUpAndClosesThePrinter) {
  const StepFailure& c = GetParam();
  FakePrinterScript& p = fake.printers.Add("P");
  c.arrange(p);
  const Outcome sent = SubmitRawJob(platform(), "P", "P Job", "data");
  EXPECT_EQ(sent.code, c.code) << c.name;
  EXPECT_EQ(sent.message, "列印 \"P Job\" 文件發生錯誤.");
  EXPECT_EQ(p.steps, c.steps) << c.name;
  EXPECT_EQ(p.closed, 1);
  EXPECT_LT(fake.clock.slept, 1000u) << "no settle wait after a failure";
}

const Steps kAll{"StartDoc", "StartPage", "Write", "EndPage", "EndDoc"};

INSTANTIATE_TEST_SUITE_P(
    Steps, StepFailureTest,
    ::testing::Values(
        StepFailure{"start doc",
                    [](FakePrinterScript& p) { p.startDoc = false; },
                    146,
                    {"StartDoc"}},
        StepFailure{"start page",
                    [](FakePrinterScript& p) { p.startPage = false; },
                    146,
                    {"StartDoc", "StartPage", "EndDoc"}},
        StepFailure{"write", [](FakePrinterScript& p) { p.write = false; }, 147,
                    kAll},
        StepFailure{"write throws",
                    [](FakePrinterScript& p) { p.throwOnWrite = true; }, 147,
                    kAll},
        StepFailure{"short write", [](FakePrinterScript& p) { p.shortBy = 1; },
                    148, kAll},
        StepFailure{"end page", [](FakePrinterScript& p) { p.endPage = false; },
                    149, kAll},
        StepFailure{"end doc", [](FakePrinterScript& p) { p.endDoc = false; },
                    150, kAll},
        StepFailure{"write then end page",
                    [](FakePrinterScript& p) {
                      p.write = false;
                      p.endPage = false;
                    },
                    149, kAll},
        StepFailure{"short write then end doc",
                    [](FakePrinterScript& p) {
                      p.shortBy = 2;
                      p.endDoc = false;
                    },
                    150, kAll}));

TEST_F(RawJobTest, UnopenablePrinterGives145AndNamesThePrinter) {
  fake.printers.Add("P").canOpen = false;
  const Outcome sent = SubmitRawJob(platform(), "P", "P Job", "x");
  EXPECT_EQ(sent.code, 145);
  EXPECT_EQ(sent.message, "所選擇的 \"P\" 印表機無法使用.");
}

TEST_F(RawJobTest, EmptyNameUsesTheDefaultPrinterWith144) {
  FakePrinterScript& p = fake.printers.Add("Default");
  fake.printers.defaultPrinter = "Default";
  EXPECT_EQ(SubmitRawJob(platform(), "", "d", "bytes").code, 144);
  EXPECT_EQ(p.written, "bytes");
  fake.printers.defaultPrinter = "";
  EXPECT_EQ(SubmitRawJob(platform(), "", "d", "more").code, 144);
  EXPECT_EQ(p.written, "bytes");  // no default printer: nothing sent
  fake.printers.defaultPrinter = std::nullopt;
  const Outcome sent = SubmitRawJob(platform(), "", "d", "x");
  EXPECT_EQ(sent.code, 144);
  EXPECT_EQ(sent.message, "無預設印表機.");
}

TEST_F(RawJobTest, PrnEndReturnsTheSubmissionCodeAndClosesTheJob) {
  FakePrinterScript& p = fake.printers.Add("P");
  ASSERT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
  PrnQty(1);
  p.endPage = false;
  EXPECT_EQ(PrnEnd(), 149);
  char message[128];
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message, "列印 \"P Job\" 文件發生錯誤.");
  EXPECT_EQ(PrnQty(1), 0) << "the job is closed";
  // The next job goes through.
  p.endPage = true;
  p.written.clear();
  ASSERT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
  PrnQty(1);
  EXPECT_EQ(PrnEnd(), 1);
  EXPECT_FALSE(p.written.empty());
}

TEST_F(RawJobTest, PrnEndWhenThePrinterVanished) {
  FakePrinterScript& p = fake.printers.Add("P");
  ASSERT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
  PrnQty(1);
  p.canOpen = false;
  EXPECT_EQ(PrnEnd(), 145);
  char message[128];
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message, "所選擇的 \"P\" 印表機無法使用.");
  EXPECT_EQ(PrnQty(1), 0) << "the job is closed";
}

TEST_F(RawJobTest, HostEventsDuringTheSettleWaitRunHostCode) {
  FakePrinterScript& p = fake.printers.Add("P");
  int ran = 0;
  fake.events.onDispatch = [&] { ++ran; };
  fake.clock.onSleep = [&] {
    if (fake.clock.sleeps == 50) fake.events.waiting.push_back(Taken::Other);
  };
  EXPECT_EQ(SubmitRawJob(platform(), "P", "d", "x").code, 1);
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(p.written, "x");
}

}  // namespace
}  // namespace vxcl::test
