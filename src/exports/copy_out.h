// Copying results into a host's buffer.
#ifndef VXCL_EXPORTS_COPY_OUT_H
#define VXCL_EXPORTS_COPY_OUT_H

#include <string_view>

namespace vxcl {

// Copies min(size, capacity) bytes; returns the full size (saturated).
int CopyBytes(std::string_view bytes, unsigned char* buffer, int capacity);

// Copies the text zero-terminated, truncated to fit; returns its full length.
int CopyText(std::string_view text, char* buffer, int capacity);

}  // namespace vxcl

#endif
