// Readable byte strings for tests: "<STX><ESC>A<ESC>Q1" spells the bytes
// 02 1B 41 1B 51 31. Tags: <NUL> <STX> <ETX> <ESC>, and <xHH> for any byte.
#ifndef VXCL_TESTS_BYTES_H
#define VXCL_TESTS_BYTES_H

#include <string>
#include <string_view>

namespace vxcl::test {

std::string B(std::string_view notation);

// The inverse, for failure messages: the notation of vxlabel dump.
std::string Show(std::string_view bytes);

}  // namespace vxcl::test

#endif
