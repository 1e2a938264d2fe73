#include "text/vector_font.h"

#include <string>

#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"
#include "text/printer_font.h"

namespace vxcl {

Outcome AddVectorFontText(JobState& job, unsigned direction, double x, double y,
                          char fontType, int hSize, int vSize, int variation,
                          int pitch, std::string_view text) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  const int turn = CheckedFontDirection(direction, code);
  fontType = CheckedFontType(fontType, code);
  hSize = CheckedRange("HSize", hSize, 50, 999, VXCL_H_SIZE, code);
  vSize = CheckedRange("VSize", vSize, 50, 999, VXCL_V_SIZE, code);
  variation = CheckedRange("Variation", variation, 0, 9, VXCL_VARIATION, code);
  pitch = CheckedPitch(pitch, code);

  // The font settings, then ESC "$=" ahead of the text.
  std::string command = PitchCommand(pitch);
  command += std::string{ESC} + "$" + fontType + "," + Decimal(hSize) + "," +
             Decimal(vSize) + "," + Decimal(variation);
  command += std::string{ESC} + "$=";
  command += text;
  AppendElement(job, turn, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
