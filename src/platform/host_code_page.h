// Text crossing between the host and the library's messages. The library
// keeps its messages in UTF-8; a host's strings come in the host's own code
// page, and a host reads messages in the code page it expects.
#ifndef VXCL_PLATFORM_HOST_CODE_PAGE_H
#define VXCL_PLATFORM_HOST_CODE_PAGE_H

#include <string>
#include <string_view>

namespace vxcl {

// A host's string (a printer or document name), as UTF-8 for a message.
std::string FromHostCodePage(std::string_view hostText);

// A UTF-8 message as the host reads it (code page 950 on Windows).
std::string MessageForHost(std::string_view utf8);

}  // namespace vxcl

#endif
