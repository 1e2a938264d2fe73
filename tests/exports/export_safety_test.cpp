// Nothing thrown inside a call leaves it, null strings are safe, and the
// extension functions copy results as documented.
#include <gtest/gtest.h>

#include "support/failing_allocator.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using ExportTest = JobTest;

TEST_F(ExportTest, FailedAllocationInADrawingCallAddsNothing) {
  OpenJob();
  ASSERT_EQ(PrnDrawLine(1, 1, 0, 1, 1), 1);
  const std::string before = Body();
  int results[3];
  {
    FailingAllocations fail;
    results[0] = PrnDrawLine(2, 2, 0, 1, 1);
    results[1] = PrnDrawBox(2, 2, 1, 1, 1, 1);
    results[2] = PrnReverseImage(2, 2, 1, 1);
  }
  for (int result : results) EXPECT_EQ(result, VXCL_INTERNAL_FAILURE);
  EXPECT_EQ(Body(), before);
  EXPECT_TRUE(job().open);
  char message[32];
  VxclLastError(message, sizeof message);
  EXPECT_STREQ(message, "out of memory");
}

TEST_F(ExportTest, FailedAllocationInEveryPlaceOfAJobLeavesAConsistentJob) {
  // Fail the n-th allocation of a whole job, for every n, then check that
  // a clean job still prints exactly.
  for (long allowed = 0; allowed < 200; ++allowed) {
    int end = 0;
    {
      FailingAllocations fail(allowed);
      PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0);
      PrnDrawLine(10.0, 20.0, 0, 2, 50.0);
      PrnQty(1);
      end = PrnEnd();
    }
    EXPECT_FALSE(job().open) << allowed;
    EXPECT_EQ(job().busyCount, 0) << allowed;
    if (end == 1) break;
  }
  OpenJob();
  PrnQty(1);
  const int before = SentJobs();
  ASSERT_EQ(PrnEnd(), 1);
  EXPECT_EQ(SentJobs(), before + 1);
  EXPECT_EQ(LastSentJob(), OpenJobHeader() + B("<ESC>Q1<ESC>Z<ETX>"));
}

TEST_F(ExportTest, NullStringsAreEmptyStrings) {
  EXPECT_EQ(PrnInit(nullptr, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(PrnInitESeries(nullptr, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(VxclAddVirtualPrinter(nullptr, 203, 104, 1000), 0);
  EXPECT_EQ(VxclRemoveVirtualPrinter(nullptr), 0);
  EXPECT_EQ(VxclVirtualJobCount(nullptr), -1);
  EXPECT_EQ(VxclVirtualJob(nullptr, 0, nullptr, 0), -1);
  EXPECT_EQ(VxclVirtualJobName(nullptr, 0, nullptr, 0), -1);
  EXPECT_EQ(VxclLastError(nullptr, 0), 0);
}

TEST_F(ExportTest, VirtualPrinterRegistry) {
  EXPECT_EQ(VxclAddVirtualPrinter("VP", 300, 104, 1000), 0);  // taken
  EXPECT_EQ(VxclAddVirtualPrinter("", 300, 104, 1000), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 0, 104, 1000), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 300, 0, 1000), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 300, 104, -1), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 300, 56, 400), 1);
  EXPECT_EQ(VxclVirtualJobCount("X"), 0);
  ASSERT_EQ(PrnInit("X", 3, 4, 50.0, 30.0, 0.0), 1);
  EXPECT_EQ(job().dotsPerMm, 12);
  EXPECT_EQ(job().maxWidthDots, 672);
  EXPECT_EQ(job().maxHeightDots, 4800);
  EXPECT_EQ(VxclRemoveVirtualPrinter("X"), 1);
  EXPECT_EQ(VxclRemoveVirtualPrinter("X"), 0);
  EXPECT_EQ(VxclVirtualJobCount("X"), -1);
  // Its job has nowhere to go now.
  PrnQty(1);
  EXPECT_EQ(PrnEnd(), 145);
}

TEST_F(ExportTest, JobCopiesTruncateAndReportFullLengths) {
  OpenJob();
  PrnCutter(1, 0, 0);
  PrnQty(1);
  ASSERT_EQ(PrnEnd(), 1);
  const std::string sent = LastSentJob();
  ASSERT_EQ(sent.size(), 29u);
  EXPECT_EQ(VxclVirtualJob("VP", 0, nullptr, 0), 29);
  unsigned char part[22] = {};
  EXPECT_EQ(VxclVirtualJob("VP", 0, part, 21), 29);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(part), 22),
            sent.substr(0, 21) + '\0');  // NUL of the cut command included
  EXPECT_EQ(VxclVirtualJob("VP", 1, part, 21), -1);
  EXPECT_EQ(VxclVirtualJob("VP", -1, part, 21), -1);

  char name[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(VxclVirtualJobName("VP", 0, name, 4), 6);
  EXPECT_STREQ(name, "VP ");
  EXPECT_EQ(VxclVirtualJobName("VP", 0, name, 0), 6);
  EXPECT_EQ(VxclVirtualJobName("VP", 3, name, 4), -1);
}

}  // namespace
}  // namespace vxcl::test
