// vxlabel dump: one command a line, control bytes named, graphics
// summarised.
#include "dump.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace vxlabel {
namespace {

using vxcl::test::B;
using Lines = std::vector<std::string>;

TEST(Dump, SplitsCommandsAndNamesControlBytes) {
  EXPECT_EQ(DumpStream(B("<STX><ESC>A<ESC>AR<ESC>Z<ETX><STX><ESC>A<ESC>%0"
                         "<ESC>H112<ESC><NUL>3<ESC>Q2<ESC>Z<ETX>")),
            (Lines{"<STX>", "<ESC>A", "<ESC>AR", "<ESC>Z", "<ETX>", "<STX>",
                   "<ESC>A", "<ESC>%0", "<ESC>H112", "<ESC><NUL>3", "<ESC>Q2",
                   "<ESC>Z", "<ETX>"}));
}

TEST(Dump, ShowsOtherBytesAsHex) {
  EXPECT_EQ(DumpStream(B("<ESC>K9B\xc3\xa9<x01><x7F>")),
            (Lines{"<ESC>K9B<xC3><xA9><x01><x7F>"}));
  EXPECT_EQ(DumpStream(B("junk<ESC>Z")), (Lines{"junk", "<ESC>Z"}));
}

TEST(Dump, SummarisesGraphicPayloadsWhateverTheyHold) {
  // Two bytes a row, one block of eight rows: 16 payload bytes, some of
  // them command bytes.
  std::string stream = B("<ESC>%0<ESC>GB002001");
  stream += B("<ESC><STX><ETX><NUL>");
  stream += std::string(12, '\xff');
  stream += B("<ESC>Q1");
  EXPECT_EQ(DumpStream(stream),
            (Lines{"<ESC>%0", "<ESC>GB002001 [16 bytes of graphic data]",
                   "<ESC>Q1"}));
}

TEST(Dump, TruncatedGraphicSaysWhatIsMissing) {
  EXPECT_EQ(DumpStream(B("<ESC>GB001002<x00><x01>")),
            (Lines{"<ESC>GB001002 [2 bytes of graphic data, 14 missing]"}));
  EXPECT_EQ(DumpStream(B("<ESC>GB0")), (Lines{"<ESC>GB0"}));
}

}  // namespace
}  // namespace vxlabel
