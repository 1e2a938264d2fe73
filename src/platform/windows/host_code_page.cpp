// On Windows a host's strings are in the system code page (CP_ACP), and the
// library's messages are read in code page 950, Traditional Chinese.
#include <windows.h>

#include <cctype>
#include <climits>
#include <string>

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

// Text is read in the system code page, whatever is asked: only that code
// page's own names are taken.
EncodingChoice ChooseHostEncoding(std::string_view name) {
  std::string asked;
  for (const char c : name.substr(0, name.find('/')))
    asked += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string number = std::to_string(GetACP());
  return asked.empty() || asked == number || asked == "CP" + number ||
                 asked == "WINDOWS-" + number
             ? EncodingChoice::kChosen
             : EncodingChoice::kUnknown;
}

std::string HostEncodingName() { return "CP" + std::to_string(GetACP()); }

std::string FromHostCodePage(std::string_view hostText) {
  return Convert(hostText, CP_ACP, CP_UTF8);
}

std::string MessageForHost(std::string_view utf8) {
  return Convert(utf8, CP_UTF8, kMessageCodePage);
}

}  // namespace vxcl
