#include "job/element.h"

#include "job/commands.h"
#include "job/job_limits.h"

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
  AppendElementText(job, ElementText(direction, h, v, command));
}

void AppendElementText(JobState& job, std::string_view text) {
  Outcome room = RoomInJob(job, text.size(), "an element");
  if (room.code != VXCL_OK) throw JobFullError(room.message);
  job.body += text;
}

}  // namespace vxcl
