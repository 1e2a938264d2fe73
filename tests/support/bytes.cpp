#include "support/bytes.h"

#include <stdexcept>

#include "dump.h"

namespace vxcl::test {

std::string B(std::string_view notation) {
  std::string out;
  for (std::size_t i = 0; i < notation.size(); ++i) {
    if (notation[i] != '<') {
      out += notation[i];
      continue;
    }
    const std::size_t close = notation.find('>', i);
    if (close == std::string_view::npos) throw std::invalid_argument("tag");
    const std::string_view tag = notation.substr(i + 1, close - i - 1);
    if (tag == "NUL")
      out += '\x00';
    else if (tag == "STX")
      out += '\x02';
    else if (tag == "ETX")
      out += '\x03';
    else if (tag == "ESC")
      out += '\x1b';
    else if (tag.size() == 3 && tag[0] == 'x')
      out +=
          static_cast<char>(std::stoi(std::string(tag.substr(1)), nullptr, 16));
    else
      throw std::invalid_argument("unknown tag <" + std::string(tag) + ">");
    i = close;
  }
  return out;
}

std::string Show(std::string_view bytes) { return vxlabel::ShowBytes(bytes); }

}  // namespace vxcl::test
