// Host threads that call the library at once take turns: each call sees and
// leaves the one job whole, so every job that reaches the printer is a
// header, whole elements, a quantity and the end, and no job start is ever
// turned away as busy.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/virtual_printers.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 2000;

// The elements the threads draw, as they appear in a job.
const std::array<std::string, 3> kElements = {
    B("<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400"),
    B("<ESC>%0<ESC>H48<ESC>V16<ESC>FW0101H0080V0080"),
    B("<ESC>%1<ESC>H112<ESC>V80<ESC>P00<ESC>UTHREADS"),
};

// True when `job` is the header, whole elements, a quantity and the end.
bool IsWhole(const std::string& job, const std::string& header) {
  if (job.rfind(header, 0) != 0) return false;
  std::size_t at = header.size();
  const std::string end = B("<ESC>Q1<ESC>Z<ETX>");
  while (job.compare(at, std::string::npos, end) != 0) {
    bool matched = false;
    for (const std::string& element : kElements) {
      if (job.compare(at, element.size(), element) == 0) {
        at += element.size();
        matched = true;
        break;
      }
    }
    if (!matched) return false;
  }
  return true;
}

using ThreadSafetyTest = JobTest;

TEST_F(ThreadSafetyTest, ThreadsHammeringOneJobNeverCorruptIt) {
  std::atomic<int> busy{0}, unexpected{0}, sent{0};
  auto hammer = [&](int thread) {
    const std::string lookup = "X" + std::to_string(thread);
    char message[64];
    int dotsPerMm = 0;
    for (int round = 0; round < kRounds; ++round) {
      const int start = PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0);
      if (start == 2) ++busy;
      if (start != 1) ++unexpected;
      // Another thread may have ended the job: 0 is a fair answer then.
      for (int r :
           {PrnDrawLine(10.0, 20.0, 0, 2, 50.0),
            PrnDrawBox(2.0, 2.0, 1, 1, 10.0, 10.0),
            PrnInternalFont(1, 10.0, 10.0, "U", 1, 1, 0, "THREADS"), PrnQty(1)})
        if (r != 0 && r != 1) ++unexpected;
      // 5: another thread's job start came after this thread's quantity.
      const int end = PrnEnd();
      if (end == 1) ++sent;
      if (end != 0 && end != 1 && end != 5) ++unexpected;
      // The extensions share the lock too.
      VxclLastError(message, sizeof message);
      VxclPrinterMetrics(kPrinter, &dotsPerMm, nullptr, nullptr);
      VxclAddVirtualPrinter(lookup.c_str(), 300, 56, 400);
      VxclVirtualJobCount(kPrinter);
      VxclRemoveVirtualPrinter(lookup.c_str());
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(hammer, t);
  for (std::thread& t : threads) t.join();

  EXPECT_EQ(busy, 0) << "a job start was turned away as busy";
  EXPECT_EQ(unexpected, 0);
  ASSERT_EQ(SentJobs(), sent.load());
  EXPECT_GT(sent, 0);
  for (int i = 0; i < SentJobs(); ++i) {
    const std::string bytes = VirtualPrinters().Job(kPrinter, i)->bytes;
    ASSERT_TRUE(IsWhole(bytes, OpenJobHeader())) << i << ": " << Show(bytes);
  }
}

}  // namespace
}  // namespace vxcl::test
