#include "graphics/lines.h"

#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"

namespace vxcl {

namespace {

// These elements take no rotation argument: they are always drawn unturned.
constexpr int kUnturned = 0;

int CheckedLineWidth(std::string_view argument, int width, CheckCode& code) {
  if (width >= 1 && width <= 99) return width;
  code.Fail(VXCL_LINE_WIDTH,
            Replaced(argument, Number(width), "1 to 99 dots", "1 dot"));
  return 1;
}

}  // namespace

Outcome AddLine(JobState& job, double x, double y, unsigned direction,
                int lineWidth, double length) {
  if (!job.open) return VXCL_NO_JOB;
  const int h = HorizontalDots(job, x);
  const int v = VerticalDots(job, y);
  const int lengthDots = SizeDots(job, length);
  CheckCode code;
  lineWidth = CheckedLineWidth("LineWidth", lineWidth, code);
  if (direction >= 2) {
    code.Fail(VXCL_LINE_DIRECTION,
              Replaced("Direction", Number(static_cast<int>(direction)),
                       "0 (horizontal) or 1 (vertical)", "0 (horizontal)"));
    direction = 0;
  }
  const std::string command = std::string{ESC} + "FW" +
                              ZeroPadded(lineWidth, 2) + "HV"[direction] +
                              ZeroPadded(lengthDots, 4);
  AppendElement(job, kUnturned, h, v, command);
  return code.Result();
}

Outcome AddBox(JobState& job, double x, double y, int lineWidth1,
               int lineWidth2, double boxWidth, double boxHeight) {
  if (!job.open) return VXCL_NO_JOB;
  const int h = HorizontalDots(job, x);
  const int v = VerticalDots(job, y);
  const int widthDots = SizeDots(job, boxWidth);
  const int heightDots = SizeDots(job, boxHeight);
  CheckCode code;
  lineWidth1 = CheckedLineWidth("LineWidth1", lineWidth1, code);
  lineWidth2 = CheckedLineWidth("LineWidth2", lineWidth2, code);
  const std::string command =
      std::string{ESC} + "FW" + ZeroPadded(lineWidth1, 2) +
      ZeroPadded(lineWidth2, 2) + "H" + ZeroPadded(widthDots, 4) + "V" +
      ZeroPadded(heightDots, 4);
  AppendElement(job, kUnturned, h, v, command);
  return code.Result();
}

Outcome AddReversedArea(JobState& job, double x, double y, double width,
                        double height) {
  if (!job.open) return VXCL_NO_JOB;
  const int h = HorizontalDots(job, x);
  const int v = VerticalDots(job, y);
  const std::string command = std::string{ESC} + "(" +
                              Decimal(SizeDots(job, width)) + "," +
                              Decimal(SizeDots(job, height));
  AppendElement(job, kUnturned, h, v, command);
  return VXCL_OK;
}

}  // namespace vxcl
