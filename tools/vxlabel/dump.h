// A command stream shown one command per line, control bytes as <STX>,
// <ESC>, <ETX>, <NUL> (other bytes outside printable ASCII as <xHH>) and
// graphic payloads summarised by their size.
#ifndef VXLABEL_DUMP_H
#define VXLABEL_DUMP_H

#include <string>
#include <string_view>
#include <vector>

namespace vxlabel {

std::vector<std::string> DumpStream(std::string_view stream);

// One byte or run of bytes in the dump's notation.
std::string ShowBytes(std::string_view bytes);

}  // namespace vxlabel

#endif
