// Host threads that call the library at once take turns: each call sees and
// leaves the one job whole, so every job that reaches the printer is a
// header, whole elements, a quantity and the end, and no job start is ever
// turned away as busy.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "exports/export_guard.h"
#include "platform/virtual_printers.h"
#include "support/export_calls.h"
#include "support/job_fixture.h"
#include "support/scratch_dir.h"
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

// Null, zero and empty arguments: every export answers them at once.
struct ZeroArguments {
  template <class T>
  T Get(std::size_t) {
    return T{};
  }
};

// An export that ran without the lock would answer while another thread
// holds it; each must wait until the lock is free.
TEST_F(ThreadSafetyTest, EveryExportWaitsForTheLock) {
  ForEachExport([&](std::string_view name, auto fn) {
    std::atomic<bool> calling{false}, answered{false};
    std::unique_lock<LibraryLock> held(ExportLock());
    std::thread caller([&] {
      ZeroArguments zero;
      calling = true;
      CallWith(fn, zero);
      answered = true;
    });
    while (!calling) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(answered) << name << " ran while another thread held the lock";
    held.unlock();
    caller.join();
    EXPECT_TRUE(answered) << name;
  });
}

// One thread draws previews while another reads their warnings: the reader
// sees one preview's warnings whole, never a half-written or freed text.
TEST_F(ThreadSafetyTest, PreviewWarningsReadWhilePreviewsAreDrawn) {
  ScratchDir dir;
  const std::string png = (dir.Path() / "label.png").string();
  // A graphic cut short and an unknown command: two different warnings.
  const std::array<std::string, 2> streams = {
      B("<STX><ESC>A<ESC>H10<ESC>V10<ESC>GB002009<xFF><ESC>Q1<ESC>Z<ETX>"),
      B("<STX><ESC>A<ESC>H10<ESC>V10<ESC>}}<ESC>Q1<ESC>Z<ETX>")};
  auto preview = [&](const std::string& stream) {
    return VxclPreviewStream(
        reinterpret_cast<const unsigned char*>(stream.data()),
        static_cast<int>(stream.size()), 203, 104.0, 100.0, 50.0, png.c_str());
  };
  auto warnings = [] {
    std::string text(4096, '\0');
    const int length = VxclPreviewWarnings(text.data(), 4096);
    text.resize(static_cast<std::size_t>(std::min(length, 4095)));
    return text;
  };
  std::array<std::string, 2> expected;
  for (std::size_t i = 0; i < streams.size(); ++i) {
    ASSERT_EQ(preview(streams[i]), 1);
    expected[i] = warnings();
    ASSERT_FALSE(expected[i].empty()) << i;
  }
  ASSERT_NE(expected[0], expected[1]);

  std::atomic<bool> done{false};
  std::atomic<int> failedPreviews{0};
  std::thread drawer([&] {
    for (int round = 0; round < 300; ++round)
      if (preview(streams[round % 2]) != 1) ++failedPreviews;
    done = true;
  });
  int reads = 0, torn = 0;
  while (!done) {
    const std::string seen = warnings();
    ++reads;
    if (seen != expected[0] && seen != expected[1]) ++torn;
  }
  drawer.join();
  EXPECT_EQ(failedPreviews, 0);
  EXPECT_EQ(torn, 0) << "of " << reads << " reads";
}

}  // namespace
}  // namespace vxcl::test
