// The CX208 and CT400 example scripts run through vxlabel and send their
// streams.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/bytes.h"

namespace {

namespace fs = std::filesystem;
using vxcl::test::B;

// Runs one example on the tool's virtual printers; returns its exit code
// and leaves the first received job in `job`.
int RunExample(const std::string& name, std::string& job) {
  const fs::path dir = fs::temp_directory_path() / ("vxlabel_model_" + name);
  fs::remove_all(dir);
  const std::string command = std::string(VXLABEL_PATH) + " run " +
                              VXCL_SOURCE_DIR + "/examples/" + name +
                              ".vxl --out " + dir.string() + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  std::ifstream in(dir / "1.prn", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  job = bytes.str();
  fs::remove_all(dir);
  return WEXITSTATUS(status);
}

TEST(ModelExamples, RunAndSendTheirStreams) {
  struct Case {
    const char* name;
    std::size_t size;
    const char* start;
    const char* end;
  } cases[] = {
      {"cx208_label", 180, "<STX><ESC>A<ESC>CP1<ESC>Z<ETX>",
       "<ESC>Q2<ESC>Z<ETX>"},
      {"ct400_label", 176, "<STX><ESC>A<ESC>AR<ESC>Z<ETX>",
       "<ESC>Q1<ESC>Z<ETX>"},
      {"cx_calibrate", 115, "<STX><ESC>A<ESC>CP1<ESC>Z<ETX>",
       "<ESC>CA<ESC>Z<ETX><ESC>A <ESC>Z"},
      {"ct_defaults", 39, "<STX><ESC>A<ESC>PG<NUL><NUL><x02>",
       "<NUL><ESC>Z<ETX>"},
  };
  for (const Case& c : cases) {
    std::string job;
    EXPECT_EQ(RunExample(c.name, job), 0) << c.name;
    EXPECT_EQ(job.size(), c.size) << c.name;
    const std::string start = B(c.start), end = B(c.end);
    EXPECT_TRUE(job.starts_with(start)) << c.name;
    EXPECT_TRUE(job.ends_with(end)) << c.name;
  }
}

}  // namespace
