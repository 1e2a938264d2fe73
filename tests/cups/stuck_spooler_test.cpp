// A print system that stops answering, a printer that never reads and a
// queue that never drains: every call ends within the host's limit with its
// code and message, and other threads print meanwhile.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "cups_world.h"
#include "exports/export_guard.h"
#include "job/job_state.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kLimitSeconds = 2;
constexpr auto kLimit = std::chrono::seconds(kLimitSeconds);
constexpr auto kSlack = 1500ms;  // scheduling on a busy machine
constexpr const char* kVirtual = "MEANWHILE";

std::string LastError() {
  char message[1024];
  VxclLastError(message, sizeof message);
  return message;
}

int QueuedJobs(const char* queue) {
  cups_job_t* jobs = nullptr;
  const int count =
      cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ACTIVE);
  cupsFreeJobs(count, jobs);
  return count;
}

// Another thread prints a label on a virtual printer once the main thread
// is waiting; it must not wait for the main thread.
class VirtualJobMeanwhile {
 public:
  VirtualJobMeanwhile()
      : done_(std::async(std::launch::async, [] {
          std::this_thread::sleep_for(300ms);
          const auto start = Clock::now();
          const bool printed = PrnInit(kVirtual, 3, 4, 50.0, 30.0, 0.0) == 1 &&
                               PrnQty(1) == 1 && PrnEnd() == 1;
          return Result{printed, Clock::now() - start, Clock::now()};
        })) {}

  struct Result {
    bool printed;
    Clock::duration took;
    Clock::time_point finished;
  };
  Result Wait() { return done_.get(); }

 private:
  std::future<Result> done_;
};

class StuckSpooler : public ::testing::Test {
 protected:
  void SetUp() override {
    REQUIRE_CUPS_WORLD();
    TheJob() = JobState{};
    ASSERT_EQ(VxclAddVirtualPrinter(kVirtual, 203, 104, 400), 1);
    ASSERT_EQ(VxclSetSpoolerTimeout(kLimitSeconds), 1);
  }
  void TearDown() override {
    if (World()) World()->scheduler->Resume();  // whatever the test did
    VxclSetSpoolerTimeout(60);
    VxclRemoveVirtualPrinter(kVirtual);
    for (const char* queue : {kSilentQueue, kDisabledQueue})
      cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, CUPS_JOBID_ALL, 1);
    TheJob() = JobState{};
  }

  // PrnEnd of a label job for `queue`, timed, with a virtual job printed
  // by another thread during it.
  struct Ended {
    int result;
    std::string message;
    Clock::duration took;
  };
  Ended EndWhileAnotherThreadPrints() {
    VirtualJobMeanwhile other;
    const auto start = Clock::now();
    const int result = PrnEnd();
    const auto end = Clock::now();
    const std::string message = LastError();
    const auto meanwhile = other.Wait();
    EXPECT_TRUE(meanwhile.printed);
    EXPECT_LT(meanwhile.took, 1s) << "the other thread waited";
    EXPECT_LT(meanwhile.finished, end) << "it finished after PrnEnd";
    EXPECT_EQ(VxclVirtualJobCount(kVirtual), 1);
    return {result, message, end - start};
  }

  void FillQueue(const char* queue) {
    for (int i = 0; i < 3; ++i) {
      const int id =
          cupsCreateJob(CUPS_HTTP_DEFAULT, queue, "elsewhere", 0, nullptr);
      ASSERT_GT(id, 0) << cupsLastErrorString();
      ASSERT_EQ(cupsStartDocument(CUPS_HTTP_DEFAULT, queue, id, "elsewhere",
                                  CUPS_FORMAT_RAW, 1),
                HTTP_STATUS_CONTINUE);
      cupsWriteRequestData(CUPS_HTTP_DEFAULT, "queued", 6);
      ASSERT_LE(cupsFinishDocument(CUPS_HTTP_DEFAULT, queue),
                IPP_STATUS_OK_EVENTS_COMPLETE);
    }
    ASSERT_EQ(QueuedJobs(queue), 3);
  }
};

// The scheduler's process is stopped: its socket still takes connections,
// but no request is ever answered.
struct FrozenScheduler {
  FrozenScheduler() { World()->scheduler->Freeze(); }
  ~FrozenScheduler() { World()->scheduler->Resume(); }
};

TEST_F(StuckSpooler, FrozenSchedulerFailsEachCallWithinTheLimit) {
  ASSERT_EQ(PrnInit(kLabelQueue, 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnQty(1), 1);
  FrozenScheduler frozen;

  const Ended ended = EndWhileAnotherThreadPrints();
  EXPECT_EQ(ended.result, 145);
  EXPECT_EQ(ended.message, "所選擇的 \"SATO_CL4NX\" 印表機無法使用.");
  EXPECT_GE(ended.took, kLimit);
  EXPECT_LT(ended.took, kLimit + kSlack);

  // A job start and the printer list give up within the limit too, each
  // saying why; a list without the scheduler's printers is no list.
  auto start = Clock::now();
  EXPECT_EQ(PrnInit(kLabelQueue, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_LT(Clock::now() - start, kLimit + kSlack);
  EXPECT_NE(LastError().find("did not answer within 2 s"), std::string::npos)
      << LastError();
  start = Clock::now();
  EXPECT_EQ(VxclPrinterCount(), -1);
  EXPECT_LT(Clock::now() - start, kLimit + kSlack);
  EXPECT_EQ(PrnInit(kVirtual, 3, 4, 50.0, 30.0, 0.0), 1)
      << "a virtual printer is found without asking the scheduler";
}

TEST_F(StuckSpooler, QueueThatNeverDrainsGivesUpAfterTheLimitSendingNothing) {
  for (const char* queue : {kSilentQueue, kDisabledQueue}) {
    SCOPED_TRACE(queue);
    FillQueue(queue);
    ASSERT_EQ(PrnInit(queue, 3, 4, 100.0, 50.0, 0.0), 1);
    ASSERT_EQ(PrnQty(1), 1);

    const Ended ended = EndWhileAnotherThreadPrints();
    EXPECT_EQ(ended.result, 151);
    EXPECT_EQ(ended.message,
              "the queue of \"" + std::string(queue) +
                  "\" still holds 3 jobs after 2 s; nothing was sent "
                  "(VxclSetSpoolerTimeout sets how long to wait)");
    EXPECT_GE(ended.took, kLimit);
    EXPECT_LT(ended.took, kLimit + kSlack);
    EXPECT_EQ(PrnQty(1), 0) << "the job is closed";
    EXPECT_EQ(QueuedJobs(queue), 3) << "nothing was sent";
    cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, CUPS_JOBID_ALL, 1);
    VxclRemoveVirtualPrinter(kVirtual);
    VxclAddVirtualPrinter(kVirtual, 203, 104, 400);
  }
}

}  // namespace
}  // namespace vxcl::test
