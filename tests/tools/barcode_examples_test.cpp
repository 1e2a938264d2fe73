// The shipping label example runs through vxlabel.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace {

TEST(ShippingLabelExample, EveryCallIsAccepted) {
  const std::string command = std::string(VXLABEL_PATH) + " run " +
                              VXCL_SOURCE_DIR +
                              "/examples/shipping_label.vxl >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
