#include "barcode/variable_ratio_barcode.h"

#include <string>

#include "barcode/barcode_arguments.h"
#include "barcode/fixed_ratio_barcode.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"

namespace vxcl {

namespace {

int CheckedElementWidth(std::string_view argument, int width, CheckCode& code) {
  if (width >= 1 && width <= 99) return width;
  code.Fail(VXCL_ELEMENT_WIDTH,
            Replaced(argument, Number(width), "1 to 99 dots", "1"));
  return 1;
}

}  // namespace

Outcome AddVariableRatioBarcode(JobState& job, int direction, double x,
                                double y, char type, ElementWidths widths,
                                int expansion, double barHeight,
                                std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  direction = CheckedDirection(direction, code);
  const std::string_view acceptedTypes =
      job.family == PrinterFamily::CX208 ? "012" : "01256";
  if (acceptedTypes.find(type) == std::string_view::npos) {
    code.Fail(VXCL_BARCODE_TYPE,
              Replaced("BarcodeType", QuotedByte(type),
                       job.family == PrinterFamily::CX208
                           ? "\"0\", \"1\" or \"2\" (a CX208 job)"
                           : "\"0\", \"1\", \"2\", \"5\" or \"6\"",
                       "a Code 39 barcode of the text \"" +
                           std::string(kErrorBarcodeText) + "\""));
    type = '1';
    data = kErrorBarcodeText;
  }
  widths.width1 = CheckedElementWidth("ElementWidth1", widths.width1, code);
  widths.width2 = CheckedElementWidth("ElementWidth2", widths.width2, code);
  widths.width3 = CheckedElementWidth("ElementWidth3", widths.width3, code);
  widths.width4 = CheckedElementWidth("ElementWidth4", widths.width4, code);
  if (expansion < 1 || expansion > 12) {
    code.Fail(VXCL_EXPANSION,
              Replaced("Expansion", Number(expansion), "1 to 12", "1"));
    expansion = 1;
  }
  const int heightDots = CheckedBarHeight(job, barHeight, code);

  // Code 39 start and stop characters always go round the data here, even
  // round data that has them already.
  const std::string prepared =
      type == '1' ? "*" + std::string(data) + "*" : std::string(data);
  const std::string command =
      std::string{ESC} + "BT" + type + ZeroPadded(widths.width1, 2) +
      ZeroPadded(widths.width2, 2) + ZeroPadded(widths.width3, 2) +
      ZeroPadded(widths.width4, 2) + ESC + "BW" + ZeroPadded(expansion, 2) +
      ZeroPadded(heightDots, 3) + prepared;
  AppendElement(job, direction, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
