// The shipping label example runs through vxlabel, and the tool names what
// the barcode calls' codes mean.
#include <gtest/gtest.h>

#include <string>

#include "result_codes.h"
#include "support/vxlabel_run.h"

namespace {

TEST(ShippingLabelExample, EveryCallIsAccepted) {
  const vxcl::test::VxlabelRun run =
      vxcl::test::RunVxlabel({"run", "examples/shipping_label.vxl"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST(BarcodeResultCodes, NameTheCallThatReturnedThem) {
  using vxlabel::MeaningOf;
  EXPECT_TRUE(MeaningOf("PrnUCC128", 0).refusal);
  EXPECT_NE(MeaningOf("PrnUCC128", 0).text.find("17 bytes"),
            std::string_view::npos);
  EXPECT_NE(MeaningOf("PrnUCC128", 7).text.find("17 bytes"),
            std::string_view::npos);
  EXPECT_EQ(MeaningOf("PrnBarcode", 7).text,
            "direction or rotation out of range; 0 used");
  EXPECT_EQ(MeaningOf("PrnEAN128", 43).text,
            "application identifier data malformed; nothing added");
  for (int refusal : {40, 41, 42, 43, 102, 116})
    EXPECT_TRUE(MeaningOf("PrnEAN128", refusal).refusal) << refusal;
  for (int warning : {32, 33, 34, 35, 36, 37, 38, 96, 101, 112, 115})
    EXPECT_FALSE(MeaningOf("PrnBarcode", warning).refusal) << warning;
}

}  // namespace
