#include "job/element.h"

#include <climits>

#include "job/commands.h"

namespace vxcl {

int HorizontalDots(const JobState& job, double mm) {
  const long long h = static_cast<long long>(MmToDots(job.DotsPerMm, mm)) +
                      job.MediaOffsetDots + job.ShiftDots;
  if (h > INT_MAX) return INT_MAX;
  if (h < INT_MIN) return INT_MIN;
  return static_cast<int>(h);
}

int VerticalDots(const JobState& job, double mm) {
  return MmToDots(job.DotsPerMm, mm);
}

int SizeDots(const JobState& job, double mm) {
  return MmToDots(job.DotsPerMm, mm);
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
  job.JobBody += ElementText(direction, h, v, command);
}

}  // namespace vxcl
