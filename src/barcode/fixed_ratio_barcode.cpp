#include "barcode/fixed_ratio_barcode.h"

#include <string>

#include "barcode/barcode_arguments.h"
#include "barcode/code128_optimizer.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"
#include "language/code128.h"

namespace vxcl {

namespace {

constexpr std::string_view kAcceptedTypes = "0123456ACEFGXYZ";

// The printer's commands for its three bar ratios.
std::string_view RatioCommand(int ratio, CheckCode& code) {
  switch (ratio) {
    case 1:
      return "D";
    case 2:
      return "B";
    case 3:
      return "BD";
    default:
      code.Fail(VXCL_BARCODE_RATIO,
                Replaced("Ratio", Number(ratio), "1 (1:2), 2 (1:3) or 3 (2:5)",
                         "1 (1:2)"));
      return "D";
  }
}

// Code 39 data between its "*" start and stop characters, unless the
// caller wrote them already.
std::string FramedCode39(std::string_view data) {
  std::string framed(data);
  if (framed.empty() || framed.front() != '*') framed.insert(0, 1, '*');
  if (framed.back() != '*') framed += '*';
  return framed;
}

// The data as the printer's command for `type` expects it.
std::string PreparedData(char type, std::string_view data) {
  switch (type) {
    case '1':
      return FramedCode39(data);
    case 'C':
      return ZeroPadded(static_cast<long long>(data.size()), 2) +
             std::string(data);
    case 'G':
      return Code128Optimizer(data);
    case 'X':
      return code128::StartPair(code128::CodeSet::A) + std::string(data);
    case 'Y':
      return code128::StartPair(code128::CodeSet::B) + std::string(data);
    case 'Z':
      return code128::StartPair(code128::CodeSet::C) + std::string(data);
    default:
      return std::string(data);
  }
}

}  // namespace

Outcome AddFixedRatioBarcode(JobState& job, int direction, double x, double y,
                             char type, int ratio, int narrowWidth,
                             double barHeight, std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  direction = CheckedDirection(direction, code);
  std::string_view ratioCommand = RatioCommand(ratio, code);
  const int heightDots = CheckedBarHeight(job, barHeight, code);
  narrowWidth = CheckedNarrowWidth(narrowWidth, code);

  std::string prepared;
  if (kAcceptedTypes.find(type) == std::string_view::npos) {
    code.Fail(VXCL_BARCODE_TYPE,
              Replaced("BarcodeType", QuotedByte(type),
                       "one of \"0\" to \"6\", \"A\", \"C\", \"E\", "
                       "\"F\", \"G\", \"X\", \"Y\" or \"Z\"",
                       "a Code 39 barcode of the text \"" +
                           std::string(kErrorBarcodeText) + "\""));
    ratioCommand = "B";
    type = '1';
    prepared = kErrorBarcodeText;
  } else {
    prepared = PreparedData(type, data);
  }
  // Code 128 with a fixed start code is the printer's Code 128 command.
  if (type == 'X' || type == 'Y' || type == 'Z') type = 'G';

  const std::string command = std::string{ESC} + std::string(ratioCommand) +
                              type + ZeroPadded(narrowWidth, 2) +
                              ZeroPadded(heightDots, 3) + prepared;
  AppendElement(job, direction, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
