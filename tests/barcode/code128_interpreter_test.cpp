// The interpreter that the optimiser's tests rest on must itself tell valid
// symbols from broken ones.
#include "support/code128_interpreter.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace vxcl::test {
namespace {

TEST(Code128Interpreter, ReadsValidSymbols) {
  struct Case {
    const char* command;
    const char* content;
  } cases[] = {
      {">HAB>C1234>D5", "AB12345"},
      {">G<x01>>DA>E<x09>", "<x01>A<x09>"},
      {">I>F12>F>DA>a>", "<FNC1>12<FNC1>A>a>"},
      {">H>>C12", ">12"},
      {">H", ""},
  };
  for (const Case& c : cases) {
    const Code128Reading r = ReadCode128(B(c.command));
    EXPECT_EQ(r.error, "") << c.command;
    EXPECT_EQ(ShowItems(r.items), c.content) << c.command;
  }
}

TEST(Code128Interpreter, FindsBrokenSymbols) {
  for (const char* broken : {
           "AB",         // no start code
           "",           // no start code
           ">HA>I12",    // a start code inside
           ">I123",      // half a digit pair
           ">I1A",       // a letter in code set C
           ">I>a",       // a plain ">" in code set C
           ">HA<x09>",   // a control byte in code set B
           ">Ga",        // lower case in code set A
           ">HA>D",      // a switch to the set in force
           ">G<x01>>E",  // the same in code set A
           ">I12>C34",   // and in code set C
       })
    EXPECT_NE(ReadCode128(B(broken)).error, "") << broken;
}

TEST(Code128Interpreter, IntendedContentDropsSelectionsOnly) {
  EXPECT_EQ(ShowItems(IntendedContent(">IAB>C12>F>D>a>")), "AB12<FNC1>>a>");
  EXPECT_EQ(ShowItems(IntendedContent(">>D")), ">");
}

}  // namespace
}  // namespace vxcl::test
