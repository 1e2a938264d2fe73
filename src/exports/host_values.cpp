#include "exports/host_values.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace vxcl {

namespace {
int FullLength(std::string_view bytes) {
  return bytes.size() > static_cast<std::size_t>(INT_MAX)
             ? INT_MAX
             : static_cast<int>(bytes.size());
}
}  // namespace

std::string_view HostString(const char* text) {
  return text ? std::string_view(text) : std::string_view();
}

std::optional<std::string_view> HostStringOrNull(const char* text) {
  if (!text) return std::nullopt;
  return std::string_view(text);
}

std::string_view HostStringAt(const char* const* address) {
  return address ? HostString(*address) : std::string_view();
}

std::string_view HostBytes(const unsigned char* bytes, int length) {
  if (!bytes || length < 1) return {};
  return {reinterpret_cast<const char*>(bytes),
          static_cast<std::size_t>(length)};
}

int CopyBytes(std::string_view bytes, unsigned char* buffer, int capacity) {
  if (buffer && capacity > 0) {
    const std::size_t n =
        std::min(bytes.size(), static_cast<std::size_t>(capacity));
    std::memcpy(buffer, bytes.data(), n);
  }
  return FullLength(bytes);
}

int CopyText(std::string_view text, char* buffer, int capacity) {
  if (buffer && capacity > 0) {
    const std::size_t n =
        std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
  }
  return FullLength(text);
}

}  // namespace vxcl
