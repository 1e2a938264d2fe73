// The vxlabel script language.
#include "script.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vxlabel {
namespace {

TEST(Script, ParsesCallsArgumentsAndComments) {
  const auto calls = ParseScript(
      "# header comment\n"
      "\n"
      "PrnInit \"Label Printer\" 3 -4 100 50.5 0  # trailing comment\n"
      "  PrnEnd\r\n"
      "PrnX null nan -inf 1e3 \"a\\x1b\\x1B1\\\"\\\\\\0z\"\n");
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].line, 3);
  EXPECT_EQ(calls[0].name, "PrnInit");
  ASSERT_EQ(calls[0].args.size(), 6u);
  EXPECT_EQ(calls[0].args[0].kind, Value::Kind::Text);
  EXPECT_EQ(calls[0].args[0].text, "Label Printer");
  EXPECT_TRUE(calls[0].args[2].integral);
  EXPECT_EQ(calls[0].args[2].number, -4);
  EXPECT_FALSE(calls[0].args[4].integral);
  EXPECT_EQ(calls[0].args[4].number, 50.5L);
  EXPECT_EQ(calls[1].line, 4);
  EXPECT_EQ(calls[1].name, "PrnEnd");
  EXPECT_TRUE(calls[1].args.empty());
  const auto& args = calls[2].args;
  EXPECT_EQ(args[0].kind, Value::Kind::Null);
  EXPECT_TRUE(std::isnan(args[1].number));
  EXPECT_EQ(args[2].number, -INFINITY);
  EXPECT_EQ(args[3].number, 1000.0L);
  EXPECT_FALSE(args[3].integral);
  EXPECT_EQ(args[4].text, std::string("a\x1b\x1b"
                                      "1\"\\\0z",
                                      8));
}

TEST(Script, ErrorsNameTheLine) {
  struct {
    const char* script;
    int line;
    const char* message;
  } cases[] = {
      {"PrnEnd\nPrnQty \"open", 2, "unterminated string"},
      {"\n\nPrnQty 12x", 3, "not a number"},
      {"PrnQty \"\\q\"", 1, "unknown escape"},
      {"PrnQty \"\\xZ\"", 1, "hexadecimal"},
      {"PrnQty \"a\"b", 1, "after a string"},
      {"PrnQty(1)", 1, "after the function name"},
      {"\"PrnQty\" 1", 1, "expected a function name"},
      {"PrnQty 1e999999", 1, "not a number"},
  };
  for (const auto& c : cases) {
    try {
      ParseScript(c.script);
      ADD_FAILURE() << c.script;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.line(), c.line) << c.script;
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << e.what();
    }
  }
}

TEST(Script, EmptyScriptHasNoCalls) {
  EXPECT_TRUE(ParseScript("").empty());
  EXPECT_TRUE(ParseScript("# only\n\n   \n").empty());
}

}  // namespace
}  // namespace vxlabel
