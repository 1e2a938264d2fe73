// A batch a virtual printer received is drawn label by label, in the order
// the labels were added.
#include <gtest/gtest.h>

#include <string>

#include "support/job_fixture.h"
#include "support/preview_support.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using BatchPreview = JobTest;

TEST_F(BatchPreview, DrawsEveryLabelOfTheBatchInOrder) {
  ASSERT_EQ(VxclBeginBatch(), 1);
  for (const char* serial : {"SN0001", "SN0002", "SN0003"}) {
    OpenJob();
    ASSERT_EQ(PrnBarcode(0, 5.0, 5.0, 'G', 2, 2, 10.0, serial), 1);
    ASSERT_EQ(PrnQty(1), 1);
    ASSERT_EQ(PrnEnd(), 1);
  }
  ASSERT_EQ(VxclEndBatch(), 1);
  ASSERT_EQ(SentJobs(), 1);
  const preview::StreamPreview drawn = PreviewOfLastJob(kPrinter);
  ASSERT_EQ(drawn.labels.size(), 3u);
  EXPECT_TRUE(drawn.warnings.empty()) << drawn.warnings.front();
  std::string read;
  for (const auto& label : drawn.labels) {
    EXPECT_EQ(label.labelWidth, 800);
    for (const Decoded& symbol : DecodeBarcodes(label.dots))
      read += symbol.bytes + " ";
  }
  EXPECT_EQ(read, "SN0001 SN0002 SN0003 ");
}

}  // namespace
}  // namespace vxcl::test
