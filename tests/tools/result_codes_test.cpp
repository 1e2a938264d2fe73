// The one list of result codes: the reference users read matches it, and
// codes computed rather than named have their rows.
#include "result_codes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "vxclcmd.h"

namespace {

TEST(ResultCodes, TheReferenceIsTheList) {
  std::ifstream file(VXCL_SOURCE_DIR "/docs/result-codes.md");
  ASSERT_TRUE(file);
  std::ostringstream text;
  text << file.rdbuf();
  const std::string doc = text.str();
  const std::size_t table = doc.find("| Code |");
  ASSERT_NE(table, std::string::npos);
  EXPECT_EQ(doc.substr(table), vxlabel::ResultCodeTable())
      << "docs/result-codes.md: replace the table by `vxlabel codes`";
}

TEST(ResultCodes, EveryCtSettingHasItsRow) {
  for (int n = 1; n <= 21; ++n) {
    const vxlabel::ResultRow* row =
        vxlabel::FindResultRow("PrnCTDefault", VXCL_CT_SETTING(n));
    ASSERT_NE(row, nullptr) << n;
    EXPECT_EQ(row->name, "VXCL_CT_SETTING_" + std::to_string(n));
    EXPECT_EQ(row->kind, vxlabel::CodeKind::Warning);
  }
}

}  // namespace
