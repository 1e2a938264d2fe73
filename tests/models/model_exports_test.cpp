// A failed allocation anywhere inside the four calls is answered with a
// code and leaves a consistent job.
#include <gtest/gtest.h>

#include <functional>

#include "support/failing_allocator.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using ModelExportTest = JobTest;

TEST_F(ModelExportTest, FailedAllocationInAJobStartLeavesItClosedOrWhole) {
  const std::function<int()> starts[] = {
      [] {
        return PrnInitCX208(kPrinter, 3, 4, 1, 0, 0, 200, 3300, 0, 100.0, 50.0,
                            0.0);
      },
      [] {
        return PrnInitCT400(kPrinter, 'A', 3, 4, 0, 1, 0, 0, 0, 100.0, 50.0,
                            0.0);
      },
  };
  for (const auto& start : starts) {
    for (long allowed = 0;; ++allowed) {
      int result = 0;
      {
        FailingAllocations fail(allowed);
        result = start();
      }
      EXPECT_EQ(job().busyCount, 0) << allowed;
      if (result == 1) break;
      EXPECT_EQ(result, VXCL_INTERNAL_FAILURE) << allowed;
      EXPECT_FALSE(job().open) << allowed;
    }
    EXPECT_TRUE(job().open);
    EXPECT_EQ(job().header.size(),
              job().family == PrinterFamily::CX208 ? 124u : 123u);
  }
}

TEST_F(ModelExportTest, FailedAllocationInAMaintenanceJobKeepsOrDropsTheJob) {
  const std::function<int()> jobs[] = {
      [] { return PrnCXCalibrate(kPrinter, 50.0, 1, 0, 0, 200, 3300, 0); },
      [] {
        return PrnCTDefault(kPrinter, 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832,
                            0, 0, 0, 0, 0, 0, 0, 0, 0);
      },
  };
  for (const auto& send : jobs) {
    for (long allowed = 0;; ++allowed) {
      OpenJob();
      const int sent = SentJobs();
      int result = 0;
      {
        FailingAllocations fail(allowed);
        result = send();
      }
      if (result == 1) break;
      EXPECT_EQ(result, VXCL_INTERNAL_FAILURE) << allowed;
      // Either nothing reached the spooler and the label job is whole, or
      // the submission was under way and the job was dropped.
      if (job().open) {
        EXPECT_EQ(SentJobs(), sent) << allowed;
        EXPECT_EQ(job().printerName, kPrinter) << allowed;
        EXPECT_EQ(job().header, OpenJobHeader()) << allowed;
      }
      EXPECT_EQ(job().busyCount, 0) << allowed;
    }
    EXPECT_FALSE(job().open);
    EXPECT_EQ(PrnEnd(), 0);
  }
}

}  // namespace
}  // namespace vxcl::test
