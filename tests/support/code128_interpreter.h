// Replays the data of the printer's Code 128 command through the Code 128
// code sets, independently of the library's optimiser, to check what a
// symbol would hold.
#ifndef VXCL_TESTS_CODE128_INTERPRETER_H
#define VXCL_TESTS_CODE128_INTERPRETER_H

#include <string>
#include <string_view>
#include <vector>

namespace vxcl::test {

// One character a symbol carries: a data byte, or FNC1.
struct Code128Item {
  bool fnc1 = false;
  unsigned char byte = 0;
  friend bool operator==(const Code128Item&, const Code128Item&) = default;
};

struct Code128Reading {
  std::vector<Code128Item> items;
  std::string error;  // empty when the data is a valid symbol
};

// Reads command data: a start code (">G", ">H", ">I") first, then
// characters in the code set in force, switches (">E", ">D", ">C") and FNC1
// (">F"). Errors: no start code, a start code inside the symbol, a switch to
// the set in force (in the printer's language that is another character),
// code set C data that is not a digit pair, a control byte outside code set
// A, and a lower-case letter or DEL in code set A.
Code128Reading ReadCode128(std::string_view command);

// What data written for the optimiser asks the symbol to hold: explicit
// code-set selections carry nothing, ">F" is FNC1, every other byte
// (a ">" before anything but C to I included) is itself.
std::vector<Code128Item> IntendedContent(std::string_view data);

// Readable form of items for failure messages.
std::string ShowItems(const std::vector<Code128Item>& items);

}  // namespace vxcl::test

#endif
