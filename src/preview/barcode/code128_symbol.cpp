#include "preview/barcode/code128_symbol.h"

namespace vxcl::preview {

namespace {

// Bar, space, bar, space, bar, space widths in modules, by value; the stop
// pattern has a seventh element.
constexpr const char* kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213",
    "122312", "132212", "221213", "221312", "231212", "112232", "122132",
    "122231", "113222", "123122", "123221", "223211", "221132", "221231",
    "213212", "223112", "312131", "311222", "321122", "321221", "312212",
    "322112", "322211", "212123", "212321", "232121", "111323", "131123",
    "131321", "112313", "132113", "132311", "211313", "231113", "231311",
    "112133", "112331", "132131", "113123", "113321", "133121", "313121",
    "211331", "231131", "213113", "213311", "213131", "311123", "311321",
    "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212",
    "124112", "124211", "411212", "421112", "421211", "212141", "214121",
    "412121", "111143", "111341", "131141", "114113", "114311", "411113",
    "411311", "113141", "114131", "311141", "411131", "211412", "211214",
    "211232", "2331112"};
constexpr int kStop = 106;

enum Set { kNone = -1, kA = 0, kB = 1, kC = 2 };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a character in code set A or B; -1 when the set lacks it.
int CharacterValue(unsigned char c, Set set) {
  if (set == kA) {
    if (c < 32) return c + 64;
    if (c < 96) return c - 32;
    return -1;
  }
  if (c >= 32 && c < 128) return c - 32;
  return -1;
}

int SwitchTo(Set target) {
  return target == kA ? 101 : target == kB ? 100 : 99;
}

}  // namespace

Code128Values ReadCode128Data(std::string_view data) {
  Code128Values out;
  Set set = kNone;
  bool shift = false;
  bool dropped = false;
  const std::size_t n = data.size();
  std::size_t i = 0;
  auto special = [&](std::size_t at) -> char {
    if (data[at] != '>' || at + 1 >= n) return 0;
    const char letter = data[at + 1];
    return letter >= '@' && letter <= 'I' ? letter : 0;
  };
  if (n < 2 || (special(0) != 'G' && special(0) != 'H' && special(0) != 'I')) {
    out.problems.push_back("no start code: code set B used");
    out.values.push_back(kStartB);
    set = kB;
  }
  while (i < n) {
    if (const char letter = special(i)) {
      i += 2;
      switch (letter) {
        case 'G':
        case 'H':
        case 'I': {
          const Set target = letter == 'G' ? kA : letter == 'H' ? kB : kC;
          if (set == kNone) {
            out.values.push_back(kStartA + target);
          } else {
            out.problems.push_back(
                "a start code inside the symbol read as a code-set switch");
            if (target != set) out.values.push_back(SwitchTo(target));
          }
          set = target;
          break;
        }
        case 'C':
          out.values.push_back(99);
          set = kC;
          break;
        case 'D':
          out.values.push_back(100);  // FNC4 in code set B
          set = kB;
          break;
        case 'E':
          out.values.push_back(101);  // FNC4 in code set A
          set = kA;
          break;
        case 'F':
          out.values.push_back(kFnc1);
          break;
        default:  // '@', 'A', 'B': FNC3, FNC2, SHIFT; pairs in code set C
          out.values.push_back(96 + (letter - '@'));
          shift = letter == 'B' && set != kC;
      }
      continue;
    }
    if (set == kC) {
      if (i + 1 < n && IsDigit(data[i]) && IsDigit(data[i + 1])) {
        out.values.push_back((data[i] - '0') * 10 + (data[i + 1] - '0'));
        i += 2;
      } else {
        dropped = true;
        ++i;
      }
      continue;
    }
    const Set in = shift ? (set == kA ? kB : kA) : set;
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
  all.push_back(kStop);
  std::vector<int> runs;
  runs.reserve(all.size() * 6 + 1);
  for (int value : all)
    for (const char* w = kPatterns[value]; *w; ++w) runs.push_back(*w - '0');
  return ModulePattern(runs, module);
}

}  // namespace vxcl::preview
