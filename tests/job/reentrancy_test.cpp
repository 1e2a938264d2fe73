// Host code that a submission's wait runs (an event handler on the calling
// thread) may call the library again: the job being sent goes out whole,
// and a job the handler starts survives the submission.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "support/fake_platform.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using Taken = HostEventQueue::Taken;

const std::string kLine = B("<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400");
const std::string kBox = B("<ESC>%0<ESC>H48<ESC>V16<ESC>FW0101H0080V0080");

// A job of the 100 x 50 mm label that OpenJob() also opens.
std::string Job(const std::string& body, const char* quantity) {
  return B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A") + body +
         B(quantity) + B("<ESC>Z<ETX>");
}

// The host's event arrives while the submission waits for the queue (before
// the document is written) or while it waits for the spooler to settle
// (after).
enum class WaitPoint { QueueWait, SettleWait };

class ReentrancyTest : public JobTest,
                       public ::testing::WithParamInterface<WaitPoint> {
 protected:
  ReentrancyTest() : printer_(fake_.printers.Add("P")) {}

  // Runs `handler` once, as a host event serviced during the next
  // submission's wait.
  void OnHostEvent(std::function<void()> handler) {
    handler_ = std::move(handler);
    fake_.events.onDispatch = [this] {
      auto run = std::move(handler_);
      handler_ = nullptr;
      writtenBeforeEvent_ = printer_.written;
      if (run) run();
    };
    if (GetParam() == WaitPoint::QueueWait) {
      fake_.events.waiting.push_back(Taken::Other);
    } else {
      fake_.clock.onSleep = [this] {
        if (handler_) fake_.events.waiting.push_back(Taken::Other);
      };
    }
  }

  // The handler saw the document written or not, as the wait point says.
  void ExpectEventAtItsWaitPoint(const std::string& outerJob) {
    EXPECT_EQ(writtenBeforeEvent_,
              GetParam() == WaitPoint::QueueWait ? "" : outerJob);
  }

  std::string Written() { return std::exchange(printer_.written, ""); }

  void OpenOuterJob() {
    ASSERT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
    ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);
    ASSERT_EQ(PrnQty(1), 1);
  }

  // What the handler does: a job start of its own, an element, a quantity.
  static void StartInnerJob() {
    EXPECT_EQ(PrnInit("P", 3, 4, 100.0, 50.0, 0.0), 1);
    EXPECT_EQ(PrnDrawBox(2.0, 2.0, 1, 1, 10.0, 10.0), 1);
    EXPECT_EQ(PrnQty(2), 1);
  }

  FakePlatform fake_;
  FakePrinterScript& printer_;

 private:
  std::function<void()> handler_;
  std::string writtenBeforeEvent_;
};

TEST_P(ReentrancyTest, JobStartedDuringPrnEndSurvivesIt) {
  OpenOuterJob();
  OnHostEvent(&StartInnerJob);
  EXPECT_EQ(PrnEnd(), 1);
  ExpectEventAtItsWaitPoint(Job(kLine, "<ESC>Q1"));
  EXPECT_EQ(Show(Written()), Show(Job(kLine, "<ESC>Q1")));
  ASSERT_EQ(PrnEnd(), 1) << "the handler's job was closed";
  EXPECT_EQ(Show(Written()), Show(Job(kBox, "<ESC>Q2")));
}

TEST_P(ReentrancyTest, HandlerThatEndsItsOwnJobSendsBothWhole) {
  OpenOuterJob();
  OnHostEvent([] {
    StartInnerJob();
    EXPECT_EQ(PrnEnd(), 1);
  });
  EXPECT_EQ(PrnEnd(), 1);
  const std::string outer = Job(kLine, "<ESC>Q1");
  const std::string inner = Job(kBox, "<ESC>Q2");
  // Each document is written in one piece, the inner one first when the
  // handler ran before the outer document was written.
  EXPECT_EQ(Show(Written()), GetParam() == WaitPoint::QueueWait
                                 ? Show(inner + outer)
                                 : Show(outer + inner));
  EXPECT_EQ(PrnEnd(), 0);
  EXPECT_EQ(printer_.opened, printer_.closed);
}

TEST_P(ReentrancyTest, PrnEndFromTheHandlerFindsNoJob) {
  OpenOuterJob();
  OnHostEvent([] {
    EXPECT_EQ(PrnEnd(), 0);
    EXPECT_EQ(PrnDrawLine(1.0, 1.0, 0, 1, 1.0), 0);
    EXPECT_EQ(PrnQty(3), 0);
  });
  EXPECT_EQ(PrnEnd(), 1);
  EXPECT_EQ(Show(Written()), Show(Job(kLine, "<ESC>Q1")));
  EXPECT_EQ(PrnEnd(), 0);
}

TEST_P(ReentrancyTest, JobStartedDuringAMaintenanceJobSurvivesIt) {
  const std::function<int()> maintenance[] = {
      [] { return PrnCXCalibrate("P", 50.0, 1, 0, 0, 200, 3300, 0); },
      [] {
        return PrnCTDefault("P", 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832, 0, 0,
                            0, 0, 0, 0, 0, 0, 0);
      },
  };
  for (const auto& send : maintenance) {
    OpenOuterJob();  // dropped by the maintenance job
    OnHostEvent(&StartInnerJob);
    EXPECT_EQ(send(), 1);
    const std::string stream = Written();
    EXPECT_EQ(stream.find(kLine), std::string::npos);
    ASSERT_EQ(PrnEnd(), 1) << "the handler's job was closed";
    EXPECT_EQ(Show(Written()), Show(Job(kBox, "<ESC>Q2")));
  }
}

INSTANTIATE_TEST_SUITE_P(WaitPoints, ReentrancyTest,
                         ::testing::Values(WaitPoint::QueueWait,
                                           WaitPoint::SettleWait),
                         [](const auto& info) {
                           return info.param == WaitPoint::QueueWait
                                      ? std::string("QueueWait")
                                      : std::string("SettleWait");
                         });

}  // namespace
}  // namespace vxcl::test
