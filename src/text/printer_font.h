// What the printer-font calls share: their result codes, the checks of the
// print direction, pitch, font type and numeric fields, and the pitch
// command that stands ahead of every printer-font text.
#ifndef VXCL_TEXT_PRINTER_FONT_H
#define VXCL_TEXT_PRINTER_FONT_H

#include <string>

#include "job/check_messages.h"
#include "job/outcome.h"

namespace vxcl {

// A value within lowest..highest is kept. Any other is replaced by `lowest`,
// which is the default of every printer-font field, and fails with
// `failure`. Unsigned arguments are shown as the host's int.
template <class Value>
Value CheckedRange(std::string_view argument, Value value, Value lowest,
                   Value highest, VxclResult failure, CheckCode& code) {
  if (value >= lowest && value <= highest) return value;
  code.Fail(failure, Replaced(argument, Number(static_cast<int>(value)),
                              Span(lowest, highest), Number(lowest)));
  return lowest;
}

// The print direction 0..3; any other (a host's negative number arrives
// as a large unsigned one) becomes 0 with code 7.
int CheckedFontDirection(unsigned direction, CheckCode& code);

// The character pitch 0..99; any other becomes 0 with code 66.
int CheckedPitch(int pitch, CheckCode& code);

// The vector and AGFA font type: only the upper-case letters "A" and "B";
// any other becomes "A" with code 64.
char CheckedFontType(char type, CheckCode& code);

// ESC "P" and the pitch as at least two digits.
std::string PitchCommand(int pitch);

}  // namespace vxcl

#endif
