#include "text/agfa_raster_font.h"

#include <string>

#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"
#include "text/printer_font.h"

namespace vxcl {

Outcome AddAgfaRasterFontText(JobState& job, unsigned direction, double x,
                              double y, char fontType, unsigned option,
                              int hSize, int vSize, int pitch,
                              std::string_view text) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  const int turn = CheckedFontDirection(direction, code);
  fontType = CheckedFontType(fontType, code);
  option = CheckedRange("Option", option, 0u, 1u, VXCL_FONT_OPTION, code);
  hSize = CheckedRange("HSize", hSize, 16, 999, VXCL_H_SIZE, code);
  vSize = CheckedRange("VSize", vSize, 16, 999, VXCL_V_SIZE, code);
  pitch = CheckedPitch(pitch, code);

  // Unlike the vector font, the text follows the last comma directly.
  std::string command = PitchCommand(pitch);
  command += std::string{ESC} + "RD" + fontType + ZeroPadded(option, 2) + "," +
             ZeroPadded(hSize, 3) + "," + ZeroPadded(vSize, 3) + ",";
  command += text;
  AppendElement(job, turn, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
