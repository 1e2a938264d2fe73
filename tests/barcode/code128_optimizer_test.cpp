#include "barcode/code128_optimizer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/bytes.h"
#include "support/code128_interpreter.h"

namespace vxcl {
namespace {

using test::B;
using test::Show;

struct Case {
  const char* data;  // in the notation of B()
  const char* result;
};

// The symbol must be valid Code 128 and hold exactly what the data asks.
void ExpectFaithful(const std::string& data) {
  const std::string out = Code128Optimizer(data);
  const test::Code128Reading reading = test::ReadCode128(out);
  ASSERT_EQ(reading.error, "") << Show(data) << " -> " << Show(out);
  ASSERT_EQ(test::ShowItems(reading.items),
            test::ShowItems(test::IntendedContent(data)))
      << Show(data) << " -> " << Show(out);
}

void ExpectResults(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    EXPECT_EQ(Show(Code128Optimizer(B(c->data))), Show(B(c->result)))
        << "data " << c->data;
    ExpectFaithful(B(c->data));
  }
}

TEST(Code128Optimizer, WorkedExamples) {
  static const Case cases[] = {
      {"ABC123456", ">HABC>C123456"},
      {"1234ABC", ">I1234>DABC"},
      {"AB12CD", ">HAB12CD"},
      {"A12345", ">HA1>C2345"},
      {"12345", ">I1234>D5"},
      {"AB<x09>12", ">HAB>E<x09>>D12"},
      {"<x01><STX>AB", ">G<x01><STX>>DAB"},
      {"A123>C45", ">HA1>C2345"},
      {"A1>C23", ">HA1>C23"},
      {"12>C34", ">I1234"},
      {"A12>AB", ">HA>C12>D>AB"},
      {">IAB", ">I>DAB"},
      {"A>D12", ">HA12"},
      {">I>F0112345678901231", ">I>F0112345678901231"},
      {">H>F10ABC>C>F2112", ">H>F>C10>DABC>C>F2112"},
  };
  ExpectResults(std::begin(cases), std::end(cases));
}

TEST(Code128Optimizer, EdgeCases) {
  static const Case cases[] = {
      // Only code-set-B characters.
      {"HELLO world", ">HHELLO world"},
      // Three digits between letters stay in B; four go to C.
      {"AB123CD", ">HAB123CD"},
      {"AB1234CD", ">HAB>C1234>DCD"},
      // Digits at the very start.
      {"1234AB", ">I1234>DAB"},
      {"123AB", ">H123AB"},
      {"123", ">H123"},
      {"12>DAB", ">I12>DAB"},
      // A control byte does not end a digit run.
      {"12<x09>34", ">I12>E<x09>>C34"},
      // Control bytes: start A first, else a switch; set A is kept.
      {"A<x01><x01>B", ">HA>E<x01><x01>>DB"},
      {"<x01>", ">G<x01>"},
      // Explicit switches: dropped when in force, copied otherwise.
      {"1234>C", ">I1234"},
      {"AB>C", ">HAB>C"},
      // ">" before a lower-case letter or a digit is an ordinary character.
      {"AB>a1", ">HAB>a1"},
      {"A>1234", ">HA>>C1234"},
      {"AB>", ">HAB>"},
      // Data that ends in ">F".
      {"AB>F", ">HAB>F"},
      // A pair right after ">C", ">I" or ">F" already goes in C.
      {"AB>F12CD", ">HAB>F>C12>DCD"},
      {"AB>F1CD", ">HAB>F1CD"},
      // An odd run after a set-B character at the end of the data.
      {"A1234567", ">HA1>C234567"},
      // An odd run at the start keeps its last digit in B.
      {"1234567", ">I123456>D7"},
  };
  ExpectResults(std::begin(cases), std::end(cases));
}

TEST(Code128Optimizer, ChoicesForDataWithoutAFixedOutcome) {
  static const Case cases[] = {
      // Empty data: start code B and nothing else.
      {"", ">H"},
      // ">F" first: the set of the character after it ...
      {">F12AB", ">I>F12>DAB"},
      {">F<x01>", ">G>F<x01>"},
      {">FAB", ">H>FAB"},
      // ... or code set B when there is none or it is another pair.
      {">F", ">H>F"},
      {">F>F12", ">H>F>F>C12"},
      {">F>I12", ">H>F>C12"},
  };
  ExpectResults(std::begin(cases), std::end(cases));
}

// A control byte inside a digit run keeps code set A, and no digit is
// paired across it: the run rules work on the run's digits.
TEST(Code128Optimizer, ControlBytesInsideDigitRuns) {
  static const Case cases[] = {
      // A short run with a control byte returns to B digit by digit.
      {"1<x09>23A", ">H1>E<x09>>D23A"},
      {">C1<x09>X", ">I>D1>E<x09>>DX"},
      // The odd-run shift stays inside the run's first segment ...
      {"A123<x09>45", ">HA1>C23>E<x09>>C45"},
      {"A123<x09>4>C", ">HA>C12>D3>E<x09>>D4>C"},
      // ... and is left out when that segment is even.
      {"A12<x09>345", ">HA>C12>E<x09>>C34>D5"},
      {"A12<x09>345>C", ">HA>C12>E<x09>>C34>D5>C"},
      // A trailing control byte after an odd run is not a digit.
      {"A12345<x09>", ">HA1>C2345>E<x09>"},
  };
  ExpectResults(std::begin(cases), std::end(cases));
}

// A symbol opens with a start character and has none inside.
TEST(Code128Optimizer, ExplicitPairsTakeTheFormTheirPlaceNeeds) {
  static const Case cases[] = {
      {">DAB", ">HAB"},
      {">EAB", ">G>DAB"},
      {">C1234", ">I1234"},
      {"AB>G<x09>", ">HAB>E<x09>"},
      {"AB>I1234", ">HAB>C1234"},
      {"AB>HCD", ">HABCD"},
      // A plain ">" never comes to stand before a letter it would pair with.
      {">>DCa", ">H>>E>DCa"},
      {"A>>H>DE", ">HA>>E>DE"},
      {"A>>Da", ">HA>a"},
  };
  ExpectResults(std::begin(cases), std::end(cases));
}

// Every string of up to six bytes over an alphabet that meets every rule:
// digits, letters, a control byte and the pieces of every kind of pair.
TEST(Code128Optimizer, EveryShortInputGivesAFaithfulSymbol) {
  const std::string alphabet = {'1', '2', 'A', '\t', '>', 'C', 'D', 'F'};
  std::string data;
  std::vector<std::size_t> digits;
  for (std::size_t length = 0; length <= 6; ++length) {
    digits.assign(length, 0);
    while (true) {
      data.clear();
      for (std::size_t d : digits) data += alphabet[d];
      ExpectFaithful(data);
      if (HasFatalFailure()) return;
      std::size_t i = 0;
      while (i < length && ++digits[i] == alphabet.size()) digits[i++] = 0;
      if (i == length) break;
    }
  }
}

// Long generated inputs of mixed runs.
TEST(Code128Optimizer, GeneratedInputsGiveFaithfulSymbols) {
  std::mt19937 random(20240611);
  auto pick = [&](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  static const char* const kPairs[] = {">C", ">D", ">E", ">F", ">G", ">H",
                                       ">I", ">a", ">1", ">>", ">B", ">"};
  for (int round = 0; round < 20000; ++round) {
    std::string data;
    const int pieces = pick(12);
    for (int k = 0; k < pieces; ++k) {
      switch (pick(6)) {
        case 0:
        case 1:  // a digit run of 1 to 9
          for (int d = pick(9) + 1; d > 0; --d)
            data += static_cast<char>('0' + pick(10));
          break;
        case 2:  // letters and punctuation
          for (int d = pick(4) + 1; d > 0; --d)
            data += static_cast<char>(' ' + pick(95));
          break;
        case 3:  // control bytes
          for (int d = pick(2) + 1; d > 0; --d)
            data += static_cast<char>(pick(32));
          break;
        case 4:
          data += kPairs[pick(std::size(kPairs))];
          break;
        default:  // a digit, a control byte, a digit: a split run
          data += static_cast<char>('0' + pick(10));
          data += static_cast<char>(pick(32));
          data += static_cast<char>('0' + pick(10));
      }
    }
    ExpectFaithful(data);
    if (HasFatalFailure()) return;
  }
}

TEST(Code128Optimizer, KeepsNulBytes) {
  const std::string data("A\0B", 3);
  EXPECT_EQ(Show(Code128Optimizer(data)), Show(B(">HA>E<NUL>>DB")));
}

}  // namespace
}  // namespace vxcl
