#include "barcode/code128_optimizer.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "language/code128.h"

namespace vxcl {

namespace {

using code128::CodeSet;

// Code sets, numbered as the classes below name them.
constexpr int kSetA = 1;
constexpr int kSetB = 2;

CodeSet CodeSetOf(int set) { return static_cast<CodeSet>(set - kSetA); }

// What each data byte needs. 1 to 3 are the code set a character travels
// in; 4 to 6 mark both bytes of an explicit pair selecting set A, B or C
// (class minus 3); 7 marks both bytes of ">F".
enum Class : unsigned char {
  kControl = 1,    // a byte below 32: code set A
  kPlain = 2,      // code set B
  kDigitPair = 3,  // one digit of a pair that goes in code set C
  kSelectsA = 4,
  kSelectsB = 5,
  kSelectsC = 6,
  kFnc1Pair = 7,
};

constexpr std::size_t kNoRun = static_cast<std::size_t>(-1);

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The class of the explicit pair ">" `letter`, or 0 when ">" `letter` is two
// ordinary characters.
unsigned char PairClass(unsigned char letter) {
  const char c = static_cast<char>(letter);
  std::optional<CodeSet> set = code128::SetStartedBy(c);
  if (!set) set = code128::SetSwitchedToBy(c);
  if (set)
    return static_cast<unsigned char>(kSelectsA + static_cast<int>(*set));
  return c == code128::kFnc1Letter ? kFnc1Pair : 0;
}

bool IsSelector(unsigned char cls) {
  return cls >= kSelectsA && cls <= kSelectsC;
}

bool IsCodeSet(unsigned char cls) {
  return cls >= kControl && cls <= kDigitPair;
}

// The first pass: one class a byte.
//
// A digit run starts at its first digit (`runStart_`); `runCount_` counts
// its digits, plus 2 when the run follows ">C", ">I" or ">F" (a pair there
// already goes in code set C). Digits are paired from the front as they are
// read. Control bytes do not end a run, but they split it into segments:
// every control byte keeps its class, and no rule below ever pairs a digit
// with a digit on the far side of a control byte. So the run rules work on
// the run's digits, never on plain position ranges:
//   - a short run (count 1 to 3) goes back to code set B digit by digit;
//   - the odd-run shift (an odd run after a code-set-B character sends its
//     first digit to B and pairs the rest) is done inside the run's first
//     segment, and only when that segment is itself odd.
// Where a run has no control byte these are exactly the plain rules.
class Classifier {
 public:
  explicit Classifier(std::string_view data)
      : data_(data), classes_(data.size(), 0) {}

  std::vector<unsigned char> Run() && {
    std::size_t p = 0;
    while (p < data_.size()) p = Classify(p);
    // The end of the data ends a pending run.
    if (ReturnShortRunToB(data_.size())) {
      runStart_ = kNoRun;
      runCount_ = 0;
    }
    ShiftOddRun();
    return std::move(classes_);
  }

 private:
  unsigned char At(std::size_t p) const {
    return static_cast<unsigned char>(data_[p]);
  }
  bool DigitAt(std::size_t p) const {
    return p < data_.size() && IsDigit(At(p));
  }

  // Classifies the byte at `p` (and its partner, for pairs); returns the
  // next position to classify.
  std::size_t Classify(std::size_t p) {
    const unsigned char c = At(p);
    if (c < 32) {
      classes_[p] = kControl;
      return p + 1;
    }
    if (IsDigit(c)) {
      if (runStart_ == kNoRun) runStart_ = p;
      ++runCount_;
      classes_[p] = kPlain;
      if (!DigitAt(p + 1)) return p + 1;
      classes_[p] = classes_[p + 1] = kDigitPair;
      ++runCount_;
      return p + 2;
    }
    if (c == code128::kEscape) {
      classes_[p] = kPlain;
      const unsigned char pair =
          p + 1 < data_.size() ? PairClass(At(p + 1)) : 0;
      // Whatever follows, the run ends here; a pending short run keeps its
      // digit pairs in code set C.
      if (pair == 0) {
        runStart_ = kNoRun;
        runCount_ = 0;
        return p + 1;
      }
      if (At(p + 1) == code128::Codes(CodeSet::C).switchLetter) ShiftOddRun();
      classes_[p] = classes_[p + 1] = pair;
      runCount_ = (pair == kSelectsC || pair == kFnc1Pair) ? 2 : 0;
      runStart_ = kNoRun;
      return p + 2;
    }
    ReturnShortRunToB(p);
    classes_[p] = kPlain;
    runStart_ = kNoRun;
    runCount_ = 0;
    return p + 1;
  }

  // A run of one to three digits ending before `end` stays in code set B.
  bool ReturnShortRunToB(std::size_t end) {
    if (runStart_ == kNoRun || runCount_ < 1 || runCount_ > 3) return false;
    for (std::size_t i = runStart_; i < end; ++i)
      if (IsDigit(At(i))) classes_[i] = kPlain;
    return true;
  }

  // An odd run right after a code-set-B character: its first digit joins
  // code set B and the digits after it pair up, so only one switch to code
  // set C is needed.
  void ShiftOddRun() {
    if (runStart_ == kNoRun || runStart_ < 1 || runCount_ % 2 == 0 ||
        classes_[runStart_ - 1] != kPlain)
      return;
    std::size_t segment = 0;
    while (DigitAt(runStart_ + segment)) ++segment;
    if (segment % 2 == 0) return;  // the run's odd digit lies further on
    classes_[runStart_] = kPlain;
    if (segment > 1) classes_[runStart_ + segment - 1] = kDigitPair;
  }

  std::string_view data_;
  std::vector<unsigned char> classes_;
  std::size_t runStart_ = kNoRun;
  long long runCount_ = 0;
};

}  // namespace

std::string Code128Optimizer(std::string_view data) {
  const std::size_t n = data.size();
  if (n == 0) return code128::StartPair(CodeSet::B);
  const std::vector<unsigned char> cls = Classifier(data).Run();

  // The start code. An explicit pair at the front is the start code of the
  // set it selects (a leading switch such as ">D" becomes ">H": a symbol
  // must open with a start character). Data that opens with ">F" starts in
  // the set of the character after it, or in code set B when that is not a
  // plain character.
  int set = kSetB;
  std::size_t j = 0;
  if (IsCodeSet(cls[0])) {
    set = cls[0];
  } else if (IsSelector(cls[0])) {
    set = cls[0] - 3;
    j = 2;
  } else if (n > 2 && IsCodeSet(cls[2])) {
    set = cls[2];
  }
  std::string out;
  out.reserve(n + n / 2 + 2);
  out += code128::StartPair(CodeSetOf(set));

  while (j < n) {
    const unsigned char c = cls[j];
    if (IsSelector(c)) {
      // An explicit selection of the set in force is dropped; any other is
      // written as a switch (a start character inside a symbol is invalid).
      if (set != c - 3) {
        set = c - 3;
        out += code128::SwitchPair(CodeSetOf(set));
      } else if (out.back() == code128::kEscape && j + 2 < n &&
                 PairClass(static_cast<unsigned char>(data[j + 2])) != 0) {
        // Dropping it would join a plain ">" (always written in code set B)
        // and the letter after the pair into an escape pair of their own; a
        // round trip through code set A keeps them apart.
        out += code128::SwitchPair(CodeSet::A);
        out += code128::SwitchPair(CodeSet::B);
      }
      j += 2;
      continue;
    }
    if (IsCodeSet(c) && c != set) {
      set = c;
      out += code128::SwitchPair(CodeSetOf(set));
    }
    out += data[j];
    ++j;
  }
  return out;
}

}  // namespace vxcl
