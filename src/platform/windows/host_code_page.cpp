// On Windows a host's strings are in the system code page (CP_ACP), and the
// library's messages are read in code page 950, Traditional Chinese.
#include <windows.h>

#include <climits>

#include "platform/host_text.h"

namespace vxcl {

namespace {

constexpr UINT kMessageCodePage = 950;

// A text that cannot be converted comes back empty; Convert then keeps the
// original bytes.
std::wstring Widen(std::string_view text, UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int size = static_cast<int>(text.size());
  const int wide =
      MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (wide <= 0) return {};
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), wide);
  return out;
}

std::string Narrow(std::wstring_view text, UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int size = static_cast<int>(text.size());
  const int narrow = WideCharToMultiByte(codePage, 0, text.data(), size,
                                         nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return {};
  std::string out(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), narrow,
                      nullptr, nullptr);
  return out;
}

std::string Convert(std::string_view text, UINT from, UINT to) {
  std::string converted = Narrow(Widen(text, from), to);
  return converted.empty() ? std::string(text) : converted;
}

}  // namespace

std::string FromHostCodePage(std::string_view hostText) {
  return Convert(hostText, CP_ACP, CP_UTF8);
}

std::string MessageForHost(std::string_view utf8) {
  return Convert(utf8, CP_UTF8, kMessageCodePage);
}

}  // namespace vxcl
