// The printer's Code 128 data language, one table for those who write the
// data and those who read it back: special characters are ">" and a letter,
// each standing for a symbol value; the patterns give every value's bars.
#ifndef VXCL_LANGUAGE_CODE128_H
#define VXCL_LANGUAGE_CODE128_H

#include <optional>
#include <string>
#include <string_view>

namespace vxcl::code128 {

inline constexpr char kEscape = '>';

enum class CodeSet { A, B, C };

struct CodeSetCodes {
  char startLetter;   // the symbol's first character selects the set
  char switchLetter;  // a switch to the set inside the symbol
  int startValue;
  // "Code A", "code B" or "code C" read in another set; read in set A or
  // B itself the same value is FNC4, in set C a digit pair.
  int switchValue;
};

inline constexpr CodeSetCodes kCodeSets[] = {
    {'G', 'E', 103, 101},  // A
    {'H', 'D', 104, 100},  // B
    {'I', 'C', 105, 99},   // C
};

constexpr const CodeSetCodes& Codes(CodeSet set) {
  return kCodeSets[static_cast<int>(set)];
}

inline constexpr char kFnc1Letter = 'F';
inline constexpr int kFnc1Value = 102;

// In code set C these letters give the digit pairs 96 to 98 instead.
inline constexpr char kFnc3Letter = '@';
inline constexpr char kFnc2Letter = 'A';
inline constexpr char kShiftLetter = 'B';
inline constexpr int kFnc3Value = 96;
inline constexpr int kFnc2Value = 97;
inline constexpr int kShiftValue = 98;

// The code set whose start pair, or switch pair, has this letter.
constexpr std::optional<CodeSet> SetStartedBy(char letter) {
  for (int i = 0; i < 3; ++i)
    if (kCodeSets[i].startLetter == letter) return static_cast<CodeSet>(i);
  return std::nullopt;
}
constexpr std::optional<CodeSet> SetSwitchedToBy(char letter) {
  for (int i = 0; i < 3; ++i)
    if (kCodeSets[i].switchLetter == letter) return static_cast<CodeSet>(i);
  return std::nullopt;
}

// Any other letter after ">" leaves ">" an ordinary character.
constexpr bool IsSpecialLetter(char letter) {
  return SetStartedBy(letter) || SetSwitchedToBy(letter) ||
         letter == kFnc1Letter || letter == kFnc3Letter ||
         letter == kFnc2Letter || letter == kShiftLetter;
}

// How the data writes a special character.
inline std::string Pair(char letter) { return {kEscape, letter}; }
inline std::string StartPair(CodeSet set) {
  return Pair(Codes(set).startLetter);
}
inline std::string SwitchPair(CodeSet set) {
  return Pair(Codes(set).switchLetter);
}

// Bar, space, bar, space, bar, space widths in modules, by value; the stop
// pattern has a seventh element, the closing bar.
inline constexpr int kStopValue = 106;
inline constexpr std::string_view kPatterns[kStopValue + 1] = {
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

}  // namespace vxcl::code128

#endif
