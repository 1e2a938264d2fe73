#include "text/agfa_raster_font.h"

#include <string>

#include "job/commands.h"
#include "job/element.h"
#include "job/result_code.h"
#include "text/printer_font.h"

namespace vxcl {

int AgfaRasterFont(JobState& job, unsigned direction, double x, double y,
                   char fontType, unsigned option, int hSize, int vSize,
                   int pitch, std::string_view text) {
  if (!job.JobOpen) return kNoJob;
  CheckCode code;
  const int turn = CheckedFontDirection(direction, code);
  fontType = CheckedFontType(fontType, code);
  option = CheckedRange(option, 0u, 1u, kFontOptionOutOfRange, code);
  hSize = CheckedRange(hSize, 16, 999, kHSizeOutOfRange, code);
  vSize = CheckedRange(vSize, 16, 999, kVSizeOutOfRange, code);
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
