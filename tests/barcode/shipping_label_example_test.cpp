// The sample shipping label runs through vxlabel with every call accepted.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

#ifdef VXLABEL_PATH
TEST(ShippingLabelExample, EveryCallIsAccepted) {
  const std::string command = std::string("\"") + VXLABEL_PATH + "\" run \"" +
                              VXCL_SOURCE_DIR +
                              "/examples/shipping_label.vxl\" > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
}
#endif

}  // namespace
