// The TrueType example label runs through vxlabel.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/bytes.h"

namespace {

namespace fs = std::filesystem;
using vxcl::test::B;

TEST(TrueTypeExample, PrintsItsTextAsGraphics) {
  const fs::path dir = fs::temp_directory_path() / "vxlabel_truetype_example";
  fs::remove_all(dir);
  const std::string command =
      std::string(VXLABEL_PATH) + " run " + VXCL_SOURCE_DIR +
      "/examples/truetype_label.vxl --out " + dir.string() + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, n);
  EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0) << output;

  std::ifstream in(dir / "1.prn", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string job = bytes.str();
  fs::remove_all(dir);
  EXPECT_TRUE(job.starts_with(B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3")));
  EXPECT_TRUE(job.ends_with(B("<ESC>Q1<ESC>Z<ETX>")));
  // Seven texts, each a graphic; the turned one with ESC "%0".
  std::size_t graphics = 0;
  for (std::size_t at = job.find("\x1bGB"); at != std::string::npos;
       at = job.find("\x1bGB", at + 1))
    ++graphics;
  EXPECT_GE(graphics, 7u);
  EXPECT_NE(output.find("PrnTrueTypeFont -> 1 (success)"), std::string::npos);
  EXPECT_NE(job.find(B("<ESC>%0<ESC>H776<ESC>V")), std::string::npos)
      << "the turned text at 93 mm";
}

}  // namespace
