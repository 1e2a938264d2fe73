// Values crossing the C boundary: a host's strings come in once here, and
// results go out into a host's buffers.
#ifndef VXCL_EXPORTS_HOST_VALUES_H
#define VXCL_EXPORTS_HOST_VALUES_H

#include <optional>
#include <string_view>

namespace vxcl {

// A host's zero-terminated string; a null pointer is the empty string.
std::string_view HostString(const char* text);

// For arguments where a null pointer has a meaning of its own (a picture
// without a file name): nullopt for null.
std::optional<std::string_view> HostStringOrNull(const char* text);

// The two-dimensional barcodes take the address of the host's string
// pointer; a null address reads as the empty string.
std::string_view HostStringAt(const char* const* address);

// `length` bytes of any value; nothing for a null pointer or a length
// below 1.
std::string_view HostBytes(const unsigned char* bytes, int length);

// Copies min(size, capacity) bytes; returns the full size (saturated).
int CopyBytes(std::string_view bytes, unsigned char* buffer, int capacity);

// Copies the text zero-terminated, truncated to fit; returns its full length.
int CopyText(std::string_view text, char* buffer, int capacity);

}  // namespace vxcl

#endif
