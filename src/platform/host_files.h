// Files named by the host. A host's file name is in its own code page; the
// platform's file functions take it as a path.
#ifndef VXCL_PLATFORM_HOST_FILES_H
#define VXCL_PLATFORM_HOST_FILES_H

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace vxcl {

// The host's file name as a path (read in the system's ANSI code page on
// Windows, taken byte for byte elsewhere).
std::filesystem::path HostFilePath(std::string_view hostName);

// Opens a file for reading in binary mode; null when it cannot be opened.
std::FILE* OpenForReading(const std::filesystem::path& path);

}  // namespace vxcl

#endif
