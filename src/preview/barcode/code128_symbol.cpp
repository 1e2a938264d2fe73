#include "preview/barcode/code128_symbol.h"

#include <optional>

#include "language/code128.h"

namespace vxcl::preview {

namespace {

using code128::CodeSet;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a character in code set A or B; -1 when the set lacks it.
int CharacterValue(unsigned char c, CodeSet set) {
  if (set == CodeSet::A) {
    if (c < 32) return c + 64;
    if (c < 96) return c - 32;
    return -1;
  }
  if (c >= 32 && c < 128) return c - 32;
  return -1;
}

}  // namespace

Code128Values ReadCode128Data(std::string_view data) {
  Code128Values out;
  std::optional<CodeSet> set;
  bool shift = false;
  bool dropped = false;
  const std::size_t n = data.size();
  std::size_t i = 0;
  auto special = [&](std::size_t at) -> char {
    if (data[at] != code128::kEscape || at + 1 >= n) return 0;
    const char letter = data[at + 1];
    return code128::IsSpecialLetter(letter) ? letter : 0;
  };
  if (n < 2 || !code128::SetStartedBy(special(0))) {
    out.problems.push_back("no start code: code set B used");
    out.values.push_back(code128::Codes(CodeSet::B).startValue);
    set = CodeSet::B;
  }
  while (i < n) {
    if (const char letter = special(i)) {
      i += 2;
      if (const auto target = code128::SetStartedBy(letter)) {
        if (!set) {
          out.values.push_back(code128::Codes(*target).startValue);
        } else {
          out.problems.push_back(
              "a start code inside the symbol read as a code-set switch");
          if (*target != *set)
            out.values.push_back(code128::Codes(*target).switchValue);
        }
        set = target;
      } else if (const auto switched = code128::SetSwitchedToBy(letter)) {
        // A switch to the set in force keeps its value: the pair 99 in set
        // C, FNC4 in set A or B.
        out.values.push_back(code128::Codes(*switched).switchValue);
        set = switched;
      } else if (letter == code128::kFnc1Letter) {
        out.values.push_back(code128::kFnc1Value);
      } else {
        // FNC3, FNC2 or SHIFT. SHIFT (outside code set C) reads the next
        // character in the other of sets A and B.
        out.values.push_back(
            letter == code128::kShiftLetter  ? code128::kShiftValue
            : letter == code128::kFnc2Letter ? code128::kFnc2Value
                                             : code128::kFnc3Value);
        shift = letter == code128::kShiftLetter && set != CodeSet::C;
      }
      continue;
    }
    if (set == CodeSet::C) {
      if (i + 1 < n && IsDigit(data[i]) && IsDigit(data[i + 1])) {
        out.values.push_back((data[i] - '0') * 10 + (data[i + 1] - '0'));
        i += 2;
      } else {
        dropped = true;
        ++i;
      }
      continue;
    }
    const CodeSet in =
        shift ? (set == CodeSet::A ? CodeSet::B : CodeSet::A) : *set;
    shift = false;
    const int value = CharacterValue(static_cast<unsigned char>(data[i]), in);
    if (value < 0)
      dropped = true;
    else
      out.values.push_back(value);
    ++i;
  }
  if (dropped)
    out.problems.push_back(
        "characters outside the code set in force were left out");
  return out;
}

BarPattern Code128Pattern(const std::vector<int>& values, long long module) {
  std::vector<int> all = values;
  if (!values.empty()) {
    long long sum = values[0];
    for (std::size_t i = 1; i < values.size(); ++i)
      sum += static_cast<long long>(i) * values[i];
    all.push_back(static_cast<int>(sum % 103));
  }
  all.push_back(code128::kStopValue);
  std::vector<int> runs;
  runs.reserve(all.size() * 6 + 1);
  for (int value : all)
    for (const char w : code128::kPatterns[value]) runs.push_back(w - '0');
  return ModulePattern(runs, module);
}

}  // namespace vxcl::preview
