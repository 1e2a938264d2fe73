#include "text/internal_font.h"

#include <string>

#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"
#include "text/printer_font.h"

namespace vxcl {

namespace {

// ESC "L" with both factors as two digits, only when both enlarge: a factor
// of 1 either way sends no expansion at all.
std::string ExpansionCommand(int hExpansion, int vExpansion) {
  if (hExpansion <= 1 || vExpansion <= 1) return {};
  return std::string{ESC} + "L" + ZeroPadded(hExpansion, 2) +
         ZeroPadded(vExpansion, 2);
}

}  // namespace

Outcome AddInternalFontText(JobState& job, unsigned direction, double x,
                            double y, std::string_view fontCode, int hExpansion,
                            int vExpansion, int pitch, std::string_view text) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  const int turn = CheckedFontDirection(direction, code);
  hExpansion =
      CheckedRange("HExpansion", hExpansion, 1, 12, VXCL_H_EXPANSION, code);
  vExpansion =
      CheckedRange("VExpansion", vExpansion, 1, 12, VXCL_V_EXPANSION, code);
  pitch = CheckedPitch(pitch, code);

  std::string command = ExpansionCommand(hExpansion, vExpansion);
  command += PitchCommand(pitch);
  command += ESC;
  command += fontCode;
  command += text;
  AppendElement(job, turn, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
