#include "support/code128_interpreter.h"

#include <cstdio>

namespace vxcl::test {

namespace {

enum class Set { None, A, B, C };

// The special pair at `i`, or 0 when the bytes there are characters.
char SpecialLetter(std::string_view s, std::size_t i) {
  if (s[i] != '>' || i + 1 >= s.size()) return 0;
  const char letter = s[i + 1];
  return (letter >= 'C' && letter <= 'I') ? letter : 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string At(std::size_t i, const std::string& what) {
  return "at byte " + std::to_string(i) + ": " + what;
}

}  // namespace

Code128Reading ReadCode128(std::string_view s) {
  Code128Reading r;
  auto fail = [&](std::size_t i, const std::string& what) {
    r.error = At(i, what);
    return r;
  };
  Set set = Set::None;
  std::size_t i = 0;
  while (i < s.size()) {
    const char letter = SpecialLetter(s, i);
    if (letter == 'G' || letter == 'H' || letter == 'I') {
      if (set != Set::None) return fail(i, "start code inside the symbol");
      set = letter == 'G' ? Set::A : letter == 'H' ? Set::B : Set::C;
      i += 2;
      continue;
    }
    if (set == Set::None) return fail(i, "no start code");
    if (letter == 'F') {
      r.items.push_back({true, 0});
      i += 2;
      continue;
    }
    if (letter != 0) {
      const Set target = letter == 'E'   ? Set::A
                         : letter == 'D' ? Set::B
                                         : Set::C;
      if (target == set)
        return fail(i, std::string("switch to the set in force: >") + letter);
      set = target;
      i += 2;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(s[i]);
    switch (set) {
      case Set::C:
        if (i + 1 >= s.size() || !IsDigit(s[i]) || !IsDigit(s[i + 1]))
          return fail(i, "code set C character that is not a digit pair");
        r.items.push_back({false, c});
        r.items.push_back({false, static_cast<unsigned char>(s[i + 1])});
        i += 2;
        continue;
      case Set::A:
        if (c >= 96) return fail(i, "byte not in code set A");
        break;
      case Set::B:
        if (c < 32) return fail(i, "control byte outside code set A");
        break;
      case Set::None:
        break;
    }
    r.items.push_back({false, c});
    ++i;
  }
  if (set == Set::None) r.error = "no start code";
  return r;
}

std::vector<Code128Item> IntendedContent(std::string_view data) {
  std::vector<Code128Item> items;
  std::size_t i = 0;
  while (i < data.size()) {
    const char letter = SpecialLetter(data, i);
    if (letter == 'F') items.push_back({true, 0});
    if (letter != 0) {
      i += 2;
      continue;
    }
    items.push_back({false, static_cast<unsigned char>(data[i])});
    ++i;
  }
  return items;
}

std::string ShowItems(const std::vector<Code128Item>& items) {
  std::string out;
  for (const Code128Item& item : items) {
    if (item.fnc1) {
      out += "<FNC1>";
    } else if (item.byte < 32 || item.byte >= 127) {
      char tag[8];
      std::snprintf(tag, sizeof tag, "<x%02X>", item.byte);
      out += tag;
    } else {
      out += static_cast<char>(item.byte);
    }
  }
  return out;
}

}  // namespace vxcl::test
