// 10,000 jobs with an element of every kind, through every job start and
// both maintenance jobs, on a virtual printer: every job is the same as the
// first of its kind, and memory stays flat. In the sanitizer build
// LeakSanitizer also checks for leaks at exit.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "platform/virtual_printers.h"
#include "support/every_element.h"
#include "support/failing_allocator.h"
#include "support/heap_usage.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

constexpr int kJobs = 10000;
// Caches (fonts, glyphs) fill during the first jobs; memory is measured
// from here on.
constexpr int kWarmUpJobs = kJobs / 10;
// Allocator bookkeeping may move a little; a leak of one string a job would
// pass this within a few hundred jobs.
constexpr std::size_t kSlackBytes = 64 * 1024;

const std::array<std::function<int()>, 4> kJobStarts = {
    [] { return PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0); },
    [] { return PrnInitESeries(kPrinter, 3, 4, 100.0, 200.0, 1.0); },
    [] {
      return PrnInitCX208(kPrinter, 3, 4, 1, 0, 0, 200, 3300, 0, 100.0, 50.0,
                          0.0);
    },
    [] {
      return PrnInitCT400(kPrinter, 'A', 3, 4, 0, 1, 0, 0, 0, 100.0, 50.0, 0.0);
    },
};

// The bytes the virtual printer received last; then forgets them.
std::string TakeLastJob() {
  const int count = VirtualPrinters().JobCount(kPrinter).value_or(0);
  std::string bytes;
  if (count > 0) bytes = VirtualPrinters().Job(kPrinter, count - 1)->bytes;
  VirtualPrinters().Remove(kPrinter);
  VirtualPrinters().Add(kPrinter, 203, 104, 1000);
  return bytes;
}

using SoakTest = JobTest;

TEST_F(SoakTest, JobsOfEveryKindKeepMemoryFlat) {
  std::array<std::string, kJobStarts.size()> first;
  std::string firstCalibration, firstDefaults;
  std::size_t heapAtWarmUp = 0;
  long liveAtWarmUp = 0;
  for (int n = 0; n < kJobs; ++n) {
    if (n == kWarmUpJobs) {
      heapAtWarmUp = HeapBytesInUse();
      liveAtWarmUp = LiveAllocations();
    }
    const std::size_t kind = static_cast<std::size_t>(n) % kJobStarts.size();
    ASSERT_EQ(kJobStarts[kind](), 1) << "job " << n;
    for (int result : DrawEveryElement()) ASSERT_EQ(result, 1) << "job " << n;
    ASSERT_EQ(PrnCutter(2, 0, 0), 1);
    ASSERT_EQ(PrnQty(3), 1);
    ASSERT_EQ(PrnEnd(), 1);
    const std::string job = TakeLastJob();
    if (n < static_cast<int>(kJobStarts.size())) first[kind] = job;
    ASSERT_TRUE(job == first[kind]) << "job " << n << " differs";

    if (n % 50 == 0) {
      ASSERT_EQ(PrnCXCalibrate(kPrinter, 50.0, 1, 0, 0, 200, 3300, 0), 1);
      const std::string calibration = TakeLastJob();
      if (n == 0) firstCalibration = calibration;
      ASSERT_TRUE(calibration == firstCalibration) << "job " << n;
      ASSERT_EQ(PrnCTDefault(kPrinter, 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832,
                             0, 0, 0, 0, 0, 0, 0, 0, 0),
                1);
      const std::string defaults = TakeLastJob();
      if (n == 0) firstDefaults = defaults;
      ASSERT_TRUE(defaults == firstDefaults) << "job " << n;
    }
  }
  EXPECT_EQ(LiveAllocations(), liveAtWarmUp);
  EXPECT_LE(HeapBytesInUse(), heapAtWarmUp + kSlackBytes)
      << "grew from " << heapAtWarmUp << " bytes";
}

}  // namespace
}  // namespace vxcl::test
