#include "job/element.h"

#include "job/commands.h"

namespace vxcl {

int HorizontalDots(const JobState& job, double mm) {
  return Saturated(static_cast<long long>(MmToDots(job.dotsPerMm, mm)) +
                   job.mediaOffsetDots + job.shiftDots);
}

int VerticalDots(const JobState& job, double mm) {
  return MmToDots(job.dotsPerMm, mm);
}

int SizeDots(const JobState& job, double mm) {
  return MmToDots(job.dotsPerMm, mm);
}

std::string ElementText(int direction, int h, int v, std::string_view command) {
  std::string text = RotationPrefix(direction);
  text += ESC;
  text += 'H';
  text += Decimal(h);
  text += ESC;
  text += 'V';
  text += Decimal(v);
  text += command;
  return text;
}

void AppendElement(JobState& job, int direction, int h, int v,
                   std::string_view command) {
  job.body += ElementText(direction, h, v, command);
}

}  // namespace vxcl
