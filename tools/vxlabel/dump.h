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

// The labels of a stream of several label jobs, each with the settings
// ahead of it: a label ends with the ETX closing a block that set a
// quantity (ESC "Q").
std::vector<std::string_view> SplitLabels(std::string_view stream);

// One byte or run of bytes in the dump's notation.
std::string ShowBytes(std::string_view bytes);

}  // namespace vxlabel

#endif
