// `vxlabel check`: every example is clean, and each deliberately broken
// script reports exactly its planted faults, by line and kind.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "support/vxlabel_run.h"

namespace vxcl::test {
namespace {

using Found = std::set<std::pair<int, std::string>>;  // line, kind

// The "FILE:LINE: KIND: message" lines of a report.
Found Findings(const std::string& script, const std::string& output) {
  Found found;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with(script + ":")) continue;
    std::istringstream rest(line.substr(script.size() + 1));
    int number = 0;
    char colon = 0;
    std::string kind;
    if (rest >> number >> colon >> kind && colon == ':' && kind.ends_with(":"))
      found.emplace(number, kind.substr(0, kind.size() - 1));
  }
  return found;
}

TEST(VxlabelCheck, EveryExampleIsClean) {
  for (const auto& entry :
       std::filesystem::directory_iterator(VXCL_SOURCE_DIR "/examples")) {
    // A script filled from CSV data is checked through `run --data`.
    if (entry.path().extension() != ".vxl" ||
        std::filesystem::exists(
            std::filesystem::path(entry.path()).replace_extension(".csv")))
      continue;
    const std::string script = "examples/" + entry.path().filename().string();
    const VxlabelRun run = RunVxlabel({"check", script});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find(script + ": clean"), std::string::npos)
        << run.output;
  }
}

TEST(VxlabelCheck, BrokenScriptsReportTheirPlantedFaults) {
  const struct {
    const char* script;
    Found expected;
  } cases[] = {
      {"outside_label", {{4, "outside-label"}}},
      {"partly_outside", {{3, "partly-outside"}}},
      {"barcode_cut", {{3, "barcode-cut"}}},
      {"barcode_overlap", {{3, "barcode-overlap"}}},
      {"data_matrix_ecc", {{3, "data-matrix-ecc"}}},
      {"barcode_type", {{3, "barcode-type"}}},
      {"barcode_type_cx208", {{3, "barcode-type"}}},
      {"negative_size", {{3, "negative-size"}}},
      {"result_code", {{3, "result"}}},
      {"job_open", {{2, "job-open"}}},
      {"face_replaced", {{3, "text"}}},
      {"undrawable_text", {{3, "text"}}},
  };
  for (const auto& c : cases) {
    const std::string script =
        std::string("tests/tools/check_cases/") + c.script + ".vxl";
    const VxlabelRun run = RunVxlabel({"check", script});
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(Findings(script, run.output), c.expected) << run.output;
  }
}

TEST(VxlabelCheck, ReportsOnTheHeadGiven) {
  // On a 56 mm head the 100 mm label is cut to the head; its frame too.
  const std::string script = "examples/first_label.vxl";
  const VxlabelRun run =
      RunVxlabel({"check", script, "--virtual", "203:56:1000"});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_TRUE(Findings(script, run.output).count({3, "result"})) << run.output;
}

}  // namespace
}  // namespace vxcl::test
