// File names on Windows: a host's name is in the system's ANSI code page,
// as the ...A functions of Windows take it; the library opens it by its
// UTF-16 name, so no character is lost whatever the C runtime assumes.
#include "platform/host_files.h"

#include <windows.h>

#include <climits>
#include <string>

namespace vxcl {

std::filesystem::path HostFilePath(std::string_view hostName) {
  if (hostName.empty() || hostName.size() > INT_MAX) return {};
  const int size = static_cast<int>(hostName.size());
  const int wide =
      MultiByteToWideChar(CP_ACP, 0, hostName.data(), size, nullptr, 0);
  if (wide <= 0) return {};
  std::wstring name(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, hostName.data(), size, name.data(), wide);
  return std::filesystem::path(name);
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
  return _wfopen(path.c_str(), L"rb");
}

}  // namespace vxcl
