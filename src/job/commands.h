// Building blocks of the printer's commands: number formatting, millimetre
// conversion and the rotation prefix.
#ifndef VXCL_JOB_COMMANDS_H
#define VXCL_JOB_COMMANDS_H

#include <string>
#include <string_view>

#include "language/control_bytes.h"

namespace vxcl {

// "%d": plain decimal, a leading minus sign when negative.
std::string Decimal(long long value);

// "%0.Nd": the digits zero-padded to at least `width`, the minus sign ahead
// of the padding (-7 with width 3 gives "-007"); longer values are whole.
std::string ZeroPadded(long long value, int width);

// Millimetres to dots: the integer part, truncated toward zero, of
// dotsPerMm * mm + 0.5, formed in extended precision. A NaN gives 0 and
// values beyond the 32-bit range saturate, so no input is undefined.
int MmToDots(int dotsPerMm, double mm);

// A 64-bit sum of dots clamped into the 32-bit range: offsets and moves add
// with saturation, so no input overflows.
int Saturated(long long dots);

// ESC "%1", "%2" or "%3" for 1 to 3; ESC "%0" for every other direction.
std::string RotationPrefix(int direction);

}  // namespace vxcl

#endif
