#include "dump.h"

#include <algorithm>

#include "language/byte_notation.h"

namespace vxlabel {

namespace {

constexpr char STX = '\x02', ETX = '\x03', ESC = '\x1b';

bool IsDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.empty();
}

// ESC "GB" aaa bbb: aaa bytes a row, bbb blocks of eight rows. The size of
// the payload, when the header at `pos` (just past "GB") is complete.
bool GraphicPayload(std::string_view s, std::size_t pos, std::size_t& header,
                    std::size_t& payload) {
  if (pos + 6 > s.size()) return false;
  const std::string_view a = s.substr(pos, 3), b = s.substr(pos + 3, 3);
  if (!IsDigits(a) || !IsDigits(b)) return false;
  header = 6;
  payload = static_cast<std::size_t>(std::stoul(std::string(a))) *
            static_cast<std::size_t>(std::stoul(std::string(b))) * 8;
  return true;
}

// Where the command starting at `i` ends, as DumpStream reads it.
std::size_t CommandEnd(std::string_view s, std::size_t i) {
  if (s[i] == STX || s[i] == ETX) return i + 1;
  std::size_t header = 0, payload = 0;
  if (s[i] == ESC && s.substr(i + 1, 2) == "GB" &&
      GraphicPayload(s, i + 3, header, payload))
    return i + 3 + header + std::min(payload, s.size() - (i + 3 + header));
  std::size_t end = i + 1;
  if (s[i] == ESC && end < s.size() && s[end] == '\0') ++end;
  while (end < s.size() && s[end] != ESC && s[end] != STX && s[end] != ETX)
    ++end;
  return end;
}

}  // namespace

std::vector<std::string_view> SplitLabels(std::string_view s) {
  std::vector<std::string_view> labels;
  std::size_t start = 0;
  bool quantity = false;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t end = CommandEnd(s, i);
    if (s[i] == ESC && end > i + 1 && s[i + 1] == 'Q') quantity = true;
    if (s[i] == ETX && quantity) {
      labels.push_back(s.substr(start, end - start));
      start = end;
      quantity = false;
    }
    i = end;
  }
  if (start < s.size()) labels.push_back(s.substr(start));
  return labels;
}

std::string ShowBytes(std::string_view bytes) {
  return vxcl::ByteNotation(bytes);
}

std::vector<std::string> DumpStream(std::string_view s) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] == STX || s[i] == ETX) {
      lines.push_back(ShowBytes(s.substr(i, 1)));
      ++i;
      continue;
    }
    if (s[i] == ESC && s.substr(i + 1, 2) == "GB") {
      std::size_t header = 0, payload = 0;
      if (GraphicPayload(s, i + 3, header, payload)) {
        const std::size_t start = i + 3 + header;
        const std::size_t have = std::min(payload, s.size() - start);
        std::string line = ShowBytes(s.substr(i, 3 + header));
        line += " [" + std::to_string(have) + " bytes of graphic data";
        if (have < payload)
          line += ", " + std::to_string(payload - have) + " missing";
        line += "]";
        lines.push_back(std::move(line));
        i = start + have;
        continue;
      }
    }
    // One command: from this byte up to the next ESC, STX or ETX. The cut
    // command's NUL belongs to its ESC.
    std::size_t end = i + 1;
    if (s[i] == ESC && end < s.size() && s[end] == '\0') ++end;
    while (end < s.size() && s[end] != ESC && s[end] != STX && s[end] != ETX)
      ++end;
    lines.push_back(ShowBytes(s.substr(i, end - i)));
    i = end;
  }
  return lines;
}

}  // namespace vxlabel
