// The stream split as the printer reads it: longest command names, data up
// to the next ESC, counted data that may hold any byte.
#include "preview/command_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/bytes.h"

namespace vxcl::preview {
namespace {

using test::B;

// Each token as kind letter (S, E, C, ?) plus name and body in bytes.h's
// notation, for compact expectations.
std::vector<std::string> Read(const std::string& stream) {
  std::vector<std::string> out;
  CommandReader reader(stream);
  while (!reader.AtEnd()) {
    const Token t = reader.Next();
    switch (t.kind) {
      case Token::Kind::FrameStart:
        out.push_back("STX");
        break;
      case Token::Kind::FrameEnd:
        out.push_back("ETX");
        break;
      case Token::Kind::Stray:
        out.push_back("stray " + Shown(t.body, 1000));
        break;
      case Token::Kind::Command:
        out.push_back((t.name.empty() ? std::string("?") : Shown(t.name)) +
                      " " + Shown(t.body, 1000) +
                      (t.truncated ? " (truncated)" : ""));
    }
  }
  return out;
}

struct Case {
  const char* what;
  std::string stream;
  std::vector<std::string> tokens;
};

// Tests are named by what each case shows.
void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class ReaderCases : public ::testing::TestWithParam<Case> {};

TEST_P(ReaderCases, SplitsAsThePrinterReads) {
  EXPECT_EQ(Read(GetParam().stream), GetParam().tokens) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ReaderCases,
    ::testing::Values(
        Case{"a framed line",
             B("<STX><ESC>A<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400<ESC>Q1"
               "<ESC>Z<ETX>"),
             {"STX", "A ", "% 0", "H 112", "V 160", "FW 02H0400", "Q 1", "Z ",
              "ETX"}},
        Case{"longest names: BD over B, PS over P, EX over E, $= over $",
             B("<ESC>BD102080*A*<ESC>PS<ESC>P02<ESC>EX0<ESC>$A,50,50,0"
               "<ESC>$=Hi"),
             {"BD 102080*A*", "PS ", "P 02", "EX 0", "$ A,50,50,0", "$= Hi"}},
        Case{"font names and their text",
             B("<ESC>XM<ESC>WB1Big<ESC>OBocr<ESC>RDB01,024,032,agfa"),
             {"XM ", "WB 1Big", "OB ocr", "RD B01,024,032,agfa"}},
        Case{"graphic data counted, ESC, STX and ETX bytes included",
             B("<ESC>GB001001<ESC><STX><ETX><x00>abcd<ESC>Q1"),
             {"GB 001001<ESC><STX><ETX><NUL>abcd", "Q 1"}},
        Case{"graphic data cut short by the end of the stream",
             B("<ESC>GB002001ab"),
             {"GB 002001ab (truncated)"}},
        Case{"hex graphic: two characters a byte",
             B("<ESC>GH001001FF00FF00FF00FF00<ESC>Z"),
             {"GH 001001FF00FF00FF00FF00", "Z "}},
        Case{"graphic without its sizes: up to the next ESC",
             B("<ESC>GBxx<ESC>Z"),
             {"GB xx", "Z "}},
        Case{"PDF417 data counted, then its variant up to the next ESC",
             B("<ESC>BK0312200000005A<ESC>B<x0D>C,T<ESC>Q1"),
             {"BK 0312200000005A<ESC>B<x0D>C,T", "Q 1"}},
        Case{"the CT settings record: thirty bytes, frame bytes included",
             std::string("\x1bPG", 3) + std::string(30, '\x03') + "\x1bZ",
             {"PG " + Shown(std::string(30, '\x03'), 100), "Z "}},
        Case{"the cutter's ESC NUL and the e-series cut commands",
             B("<ESC><NUL>3<ESC>A12<ESC>B<ESC>Q2"),
             {"<NUL> 3", "A1 2", "B ", "Q 2"}},
        Case{"an unknown command and stray bytes",
             B("<ESC>YZ123<ESC>H1<ETX>junk<STX>"),
             {"? YZ123", "H 1", "ETX", "stray junk", "STX"}},
        Case{"a lone ESC at the end", B("<ESC>Z<ESC>"), {"Z ", "? "}}));

TEST(Shown, NamesControlBytesAndCutsLongText) {
  EXPECT_EQ(Shown(B("A<ESC><x00><x7F>")), "A<ESC><NUL><x7F>");
  EXPECT_EQ(Shown("abcdef", 3), "abc...");
}

}  // namespace
}  // namespace vxcl::preview
