#include "platform/host_text.h"

#include <cstdint>

namespace vxcl {

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their value,
// as Windows' own conversion does.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Cp1252(std::uint8_t byte) {
  return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte;
}

// The length of the valid UTF-8 sequence at the start of `rest` and its
// character, or 0 when the first byte does not start one.
std::size_t Utf8Sequence(std::string_view rest, char32_t& character) {
  const auto lead = static_cast<std::uint8_t>(rest[0]);
  std::size_t length;
  char32_t value, lowest;
  if (lead < 0x80) {
    character = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, lowest = 0x10000;
  } else {
    return 0;
  }
  if (rest.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(rest[i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < lowest || value > 0x10FFFF) return 0;
  if (value >= 0xD800 && value <= 0xDFFF) return 0;
  character = value;
  return length;
}

}  // namespace

std::u32string DecodeHostText(std::string_view hostBytes) {
  // Where the host's code page is known (Windows), its text comes as UTF-8.
  const std::string converted = FromHostCodePage(hostBytes);
  std::string_view bytes = converted;
  std::u32string text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t character;
    std::size_t used = Utf8Sequence(bytes, character);
    if (used == 0) {
      character = Cp1252(static_cast<std::uint8_t>(bytes[0]));
      used = 1;
    }
    text += character;
    bytes.remove_prefix(used);
  }
  return text;
}

std::string HostTextAsUtf8(std::string_view bytes) {
  std::string utf8;
  for (const char32_t c : DecodeHostText(bytes)) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (c >> 18));
      utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

}  // namespace vxcl
