#include "barcode/pdf417.h"

#include "barcode/barcode_arguments.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"

namespace vxcl {

namespace {

constexpr std::string_view kVariantSuffixes[] = {"", ",T", ",M"};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Replaces an out-of-range setting with its default.
int Checked(std::string_view argument, int value, int low, int high,
            int fallback, VxclResult failure, CheckCode& code) {
  if (value >= low && value <= high) return value;
  code.Fail(failure,
            Replaced(argument, Number(value),
                     argument == "Rows" ? "0 or 3 to 40" : Span(low, high),
                     Number(fallback)));
  return fallback;
}

}  // namespace

std::string ConvertControlEscapes(std::string_view data) {
  // One pass from the left: a replaced escape becomes a control byte, which
  // can neither start nor complete another escape.
  std::string out;
  out.reserve(data.size());
  std::size_t i = 0;
  while (i < data.size()) {
    if (data[i] == '&' && i + 3 < data.size() &&
        (data[i + 1] == 'h' || data[i + 1] == 'H')) {
      const int high = HexValue(data[i + 2]);
      const int low = HexValue(data[i + 3]);
      const int value = high * 16 + low;
      if (high >= 0 && low >= 0 && value >= 1 && value <= 31) {
        out += static_cast<char>(value);
        i += 4;
        continue;
      }
    }
    out += data[i];
    ++i;
  }
  return out;
}

Outcome AddPdf417(JobState& job, int direction, double x, double y,
                  Pdf417Settings s, std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  direction = CheckedDirection(direction, code);
  s.variant = Checked("Variant", s.variant, 0, 2, 0, VXCL_PDF417_VARIANT, code);
  s.moduleWidth = Checked("ModuleWidth", s.moduleWidth, 3, 9, 3,
                          VXCL_PDF417_MODULE_WIDTH, code);
  s.rowHeight =
      Checked("RowHeight", s.rowHeight, 4, 24, 4, VXCL_PDF417_ROW_HEIGHT, code);
  s.securityLevel = Checked("SecurityLevel", s.securityLevel, 1, 8, 1,
                            VXCL_PDF417_SECURITY, code);
  s.columns =
      Checked("Columns", s.columns, 0, 30, 0, VXCL_PDF417_COLUMNS, code);
  if (s.rows != 0)
    s.rows = Checked("Rows", s.rows, 3, 40, 0, VXCL_PDF417_ROWS, code);

  const std::string converted = ConvertControlEscapes(data);
  if (converted.empty() || converted.size() > kPdf417MaxData) {
    code.Fail(VXCL_PDF417_DATA,
              "Data " + QuotedExcerpt(data) + " is " +
                  Number(static_cast<long long>(converted.size())) +
                  " bytes long after its &hXX escapes, not 1 to 2700; "
                  "nothing added");
    return code.Result();
  }

  const std::string command =
      std::string{ESC} + "BK" + ZeroPadded(s.moduleWidth, 2) +
      ZeroPadded(s.rowHeight, 2) + Decimal(s.securityLevel) +
      ZeroPadded(s.columns, 2) + ZeroPadded(s.rows, 2) +
      ZeroPadded(static_cast<long long>(converted.size()), 4) + converted +
      std::string(kVariantSuffixes[s.variant]);
  AppendElement(job, direction, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
