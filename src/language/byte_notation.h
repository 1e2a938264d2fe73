// Command bytes written readably: control bytes as <NUL>, <STX>, <ETX>,
// <ESC>, other bytes outside printable ASCII as <xHH>. Header-only, so the
// vxlabel tool (which reaches the library only through its C interface)
// shows bytes exactly as the library's own messages do.
#ifndef VXCL_LANGUAGE_BYTE_NOTATION_H
#define VXCL_LANGUAGE_BYTE_NOTATION_H

#include <cstdio>
#include <string>
#include <string_view>

namespace vxcl {

// At most `limit` bytes are shown.
inline std::string ByteNotation(std::string_view bytes,
                                std::size_t limit = std::string_view::npos) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    switch (c) {
      case 0x00:
        out += "<NUL>";
        break;
      case 0x02:
        out += "<STX>";
        break;
      case 0x03:
        out += "<ETX>";
        break;
      case 0x1b:
        out += "<ESC>";
        break;
      default:
        if (c < 0x20 || c >= 0x7f) {
          char tag[8];
          std::snprintf(tag, sizeof tag, "<x%02X>", c);
          out += tag;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

}  // namespace vxcl

#endif
