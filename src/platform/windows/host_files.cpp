// File names on Windows: a host's name is in the system's ANSI code page,
// as the ...A functions of Windows take it; the library opens it by its
// UTF-16 name, so no character is lost whatever the C runtime assumes.
#include "platform/host_files.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>
#include <system_error>

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

// Opened by its UTF-16 name; a pipe or a device is not a regular file
// (GetFileType), and a directory does not open without backup semantics.
RegularFile::RegularFile(const std::filesystem::path& path) {
  if (path.empty()) return;
  const HANDLE file = CreateFileW(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    // Only to tell "no file" from "no permission": nothing is opened.
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
      state_ = State::Unopenable;
    return;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK ||
      !GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
      !GetFileSizeEx(file, &size) || size.QuadPart < 0) {
    CloseHandle(file);
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  size_ = static_cast<std::uint64_t>(size.QuadPart);
  state_ = State::Open;
}

RegularFile::~RegularFile() {
  if (state_ == State::Open) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

long long RegularFile::Read(std::uint8_t* into, std::size_t size) {
  if (state_ != State::Open) return -1;
  std::size_t done = 0;
  while (done < size) {
    const DWORD chunk =
        static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), into + done, chunk, &got,
                  nullptr))
      return -1;
    if (got == 0) break;
    done += got;
  }
  return static_cast<long long>(done);
}

}  // namespace vxcl
