// The sample label with the logo pictures runs cleanly through vxlabel.
#include <gtest/gtest.h>

#include <string>

#include "support/vxlabel_run.h"

namespace vxcl::test {
namespace {

TEST(LogoExample, EveryCallSucceeds) {
  const VxlabelRun run = RunVxlabel({"run", "examples/logo_label.vxl"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  for (const char* call :
       {"line 7: PrnDrawBMP -> 1 (success)",
        "line 8: PrnDrawBMP -> 1 (success)",
        "line 9: PrnDrawPCX -> 1 (success)", "line 11: PrnEnd -> 1 (success)"})
    EXPECT_NE(run.output.find(call), std::string::npos) << call << "\n"
                                                        << run.output;
  // The scaled logo: 40 x 16 mm at 8 dots/mm, padded to 328 x 136 dots.
  EXPECT_NE(run.output.find("<ESC>GB041017 [5576 bytes of graphic data]"),
            std::string::npos)
      << run.output;
}

}  // namespace
}  // namespace vxcl::test
