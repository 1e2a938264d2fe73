// Text crossing between the host and the library. A host's strings come in
// the host's own code page; the library keeps its messages in UTF-8 and
// draws characters; a host reads messages in the code page it expects.
#ifndef VXCL_PLATFORM_HOST_TEXT_H
#define VXCL_PLATFORM_HOST_TEXT_H

#include <string>
#include <string_view>

namespace vxcl {

// Chooses the encoding of the host's text where the library reads it
// itself (outside Windows): a name as iconv knows it ("CP950", "BIG5",
// "SHIFT_JIS", "GBK", "EUC-KR", "UTF-8"; a trailing "//..." is left out);
// empty restores the default, UTF-8 else Windows-1252. Texts, face names
// and messages are then converted to and from it; a byte sequence the
// encoding does not define reads as '?'. On Windows only the system code
// page can be named ("CP950", "950"), as text is read in it anyway.
enum class EncodingChoice { kChosen, kUnknown };
EncodingChoice ChooseHostEncoding(std::string_view name);

// The encoding in use, for messages: "UTF-8, else Windows-1252" by default.
std::string HostEncodingName();

// A host's string (a printer or document name), as UTF-8 for a message.
std::string FromHostCodePage(std::string_view hostText);

// A UTF-8 message as the host reads it (code page 950 on Windows, the
// chosen encoding elsewhere).
std::string MessageForHost(std::string_view utf8);

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
