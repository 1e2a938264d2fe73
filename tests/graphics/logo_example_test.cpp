// The sample label with the logo pictures runs cleanly through vxlabel.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

#ifdef VXLABEL_PATH
TEST(LogoExample, EveryCallSucceeds) {
  const std::string command = std::string("cd '") + VXCL_SOURCE_DIR + "' && '" +
                              VXLABEL_PATH +
                              "' run examples/logo_label.vxl 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0) << output;
  for (const char* call :
       {"line 7: PrnDrawBMP -> 1 (success)",
        "line 8: PrnDrawBMP -> 1 (success)",
        "line 9: PrnDrawPCX -> 1 (success)", "line 11: PrnEnd -> 1 (success)"})
    EXPECT_NE(output.find(call), std::string::npos) << call << "\n" << output;
  // The scaled logo: 40 x 16 mm at 8 dots/mm, padded to 328 x 136 dots.
  EXPECT_NE(output.find("<ESC>GB041017 [5576 bytes of graphic data]"),
            std::string::npos)
      << output;
}
#endif

}  // namespace
