// The characters of a host's text byte string.
#ifndef VXCL_TEXT_HOST_TEXT_H
#define VXCL_TEXT_HOST_TEXT_H

#include <string>
#include <string_view>

namespace vxcl {

// Decodes `bytes` as UTF-8; every byte that does not belong to a valid UTF-8
// sequence (a stray continuation byte, a cut or overlong sequence, an
// encoded surrogate or a value beyond U+10FFFF) is one Windows-1252
// character instead. So UTF-8 text and text in the Western Windows code
// page both come out right, and no input is refused. On Windows the bytes
// are first read in the system's ANSI code page, as the host wrote them.
std::u32string DecodeHostText(std::string_view bytes);

// The same text as UTF-8, for font systems that take names in UTF-8.
std::string HostTextAsUtf8(std::string_view bytes);

}  // namespace vxcl

#endif
