#include "text/printer_font.h"

#include "job/commands.h"

namespace vxcl {

int CheckedFontDirection(unsigned direction, CheckCode& code) {
  return static_cast<int>(
      CheckedRange("Direction", direction, 0u, 3u, VXCL_DIRECTION, code));
}

int CheckedPitch(int pitch, CheckCode& code) {
  return CheckedRange("Pitch", pitch, 0, 99, VXCL_PITCH, code);
}

char CheckedFontType(char type, CheckCode& code) {
  if (type == 'A' || type == 'B') return type;
  code.Fail(VXCL_FONT_TYPE,
            Replaced("FontType", QuotedByte(type), "\"A\" or \"B\"", "\"A\""));
  return 'A';
}

std::string PitchCommand(int pitch) {
  return std::string{ESC} + "P" + ZeroPadded(pitch, 2);
}

}  // namespace vxcl
