// Host text bytes: UTF-8 where valid, Windows-1252 byte by byte elsewhere.
#include "platform/host_text.h"

#include <gtest/gtest.h>

namespace vxcl {
namespace {

TEST(DecodeHostText, Utf8WhereValidWindows1252Elsewhere) {
  struct Case {
    const char* what;
    std::string bytes;
    std::u32string text;
  } cases[] = {
      {"ASCII", "Lot 4711", U"Lot 4711"},
      {"empty", "", U""},
      {"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x93\xA6",
       U"\u00e9\u20ac\U0001F4E6"},
      {"Windows-1252 letters", "\xE9t\xE9", U"\u00e9t\u00e9"},
      {"Windows-1252 0x80..0x9F", "\x80\x85\x8A\x99\x9F",
       U"\u20ac\u2026\u0160\u2122\u0178"},
      {"unassigned Windows-1252 bytes keep their value", "\x81\x8D\x8F\x90\x9D",
       U"\u0081\u008d\u008f\u0090\u009d"},
      {"both kinds in one text", "\xC3\xA9\xE9", U"\u00e9\u00e9"},
      {"stray continuation byte", "a\xA9z", U"a\u00a9z"},
      {"overlong form", "\xC0\x80", U"\u00c0\u20ac"},
      {"overlong three bytes", "\xE0\x80\xAF", U"\u00e0\u20ac\u00af"},
      {"encoded surrogate", "\xED\xA0\x80", U"\u00ed\u00a0\u20ac"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", U"\u00f4\u0090\u20ac\u20ac"},
      {"cut at the end", "x\xE2\x82", U"x\u00e2\u201a"},
      {"cut by an ASCII byte", "\xE2\x82z", U"\u00e2\u201az"},
      {"lead bytes that never start UTF-8", "\xF5\xFF", U"\u00f5\u00ff"},
      {"NUL inside", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecodeHostText(c.bytes), c.text) << c.what;
}

TEST(HostTextAsUtf8, ReencodesEveryCharacter) {
  EXPECT_EQ(HostTextAsUtf8("Arial"), "Arial");
  EXPECT_EQ(HostTextAsUtf8("Caf\xE9"), "Caf\xC3\xA9");
  EXPECT_EQ(HostTextAsUtf8("\x80"), "\xE2\x82\xAC");
  const std::string valid = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x93\xA6";
  EXPECT_EQ(HostTextAsUtf8(valid), valid);
}

}  // namespace
}  // namespace vxcl
