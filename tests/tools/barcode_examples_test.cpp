// The shipping label example runs through vxlabel.
#include <gtest/gtest.h>

#include <string>

#include "support/vxlabel_run.h"

namespace {

TEST(ShippingLabelExample, EveryCallIsAccepted) {
  const vxcl::test::VxlabelRun run =
      vxcl::test::RunVxlabel({"run", "examples/shipping_label.vxl"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

}  // namespace
