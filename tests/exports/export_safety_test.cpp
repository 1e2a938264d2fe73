// Null strings are safe, and the extension functions copy results as
// documented.
#include <gtest/gtest.h>

#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using ExportTest = JobTest;

TEST_F(ExportTest, NullStringsAreEmptyStrings) {
  EXPECT_EQ(PrnInit(nullptr, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(PrnInitESeries(nullptr, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(VxclAddVirtualPrinter(nullptr, 203, 104, 1000), 0);
  EXPECT_EQ(VxclRemoveVirtualPrinter(nullptr), 0);
  EXPECT_EQ(VxclVirtualJobCount(nullptr), -1);
  EXPECT_EQ(VxclVirtualJob(nullptr, 0, nullptr, 0), -1);
  EXPECT_EQ(VxclVirtualJobName(nullptr, 0, nullptr, 0), -1);
  EXPECT_GT(VxclLastError(nullptr, 0), 0);  // why nothing was removed
}

TEST_F(ExportTest, VirtualPrinterRegistry) {
  EXPECT_EQ(VxclAddVirtualPrinter("VP", 300, 104, 1000), 0);  // taken
  EXPECT_EQ(VxclAddVirtualPrinter("", 300, 104, 1000), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 0, 104, 1000), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 300, 0, 1000), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 300, 104, -1), 0);
  EXPECT_EQ(VxclAddVirtualPrinter("X", 300, 56, 400), 1);
  EXPECT_EQ(VxclVirtualJobCount("X"), 0);
  // 12 dots/mm, 672 dots wide, 4800 long: a 56 mm label fits, a 57 mm one
  // and a 401 mm one do not.
  EXPECT_EQ(PrnInit("X", 3, 4, 56.0, 400.0, 0.0), 1);
  EXPECT_EQ(PrnInit("X", 3, 4, 57.0, 400.0, 0.0), VXCL_LABEL_WIDTH);
  EXPECT_EQ(PrnInit("X", 3, 4, 56.0, 401.0, 0.0), VXCL_LABEL_HEIGHT);
  ASSERT_EQ(PrnInit("X", 3, 4, 50.0, 30.0, 0.0), 1);
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
