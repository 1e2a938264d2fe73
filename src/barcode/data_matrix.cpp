#include "barcode/data_matrix.h"

#include <string>

#include "barcode/barcode_arguments.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"

namespace vxcl {

namespace {

bool IsValidFormatId(int formatId) {
  // The remainder keeps the dividend's sign, so negative values fail.
  const int lastDigit = formatId % 10;
  return lastDigit >= 1 && lastDigit <= 6;
}

bool IsValidEccLevel(int level) {
  for (int valid : {0, 5, 8, 10, 14, 20})
    if (level == valid) return true;
  return false;
}

int CheckedCellSize(std::string_view argument, int dots, CheckCode& code) {
  if (dots >= 3 && dots <= 12) return dots;
  code.Fail(VXCL_DATAMATRIX_CELL,
            Replaced(argument, Number(dots), "3 to 12 dots", "3"));
  return 3;
}

}  // namespace

Outcome AddDataMatrix(JobState& job, int direction, double x, double y,
                      DataMatrixSettings s, std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  direction = CheckedDirection(direction, code);
  if (!IsValidFormatId(s.formatId)) {
    code.Fail(VXCL_DATAMATRIX_FORMAT,
              Replaced("FormatId", Number(s.formatId),
                       "a number whose last digit is 1 to 6", "1"));
    s.formatId = 1;
  }
  if (!IsValidEccLevel(s.eccLevel)) {
    code.Fail(VXCL_DATAMATRIX_ECC,
              Replaced("EccLevel", Number(s.eccLevel),
                       "0, 5, 8, 10, 14 or 20 (ECC 000 to ECC 200 in tens)",
                       "0 (ECC 000)"));
    s.eccLevel = 0;
  }
  s.cellWidth = CheckedCellSize("CellWidth", s.cellWidth, code);
  s.cellHeight = CheckedCellSize("CellHeight", s.cellHeight, code);
  if (s.symbolOption < 1 || s.symbolOption > 15) {
    code.Fail(VXCL_DATAMATRIX_OPTION,
              Replaced("SymbolOption", Number(s.symbolOption), "1 to 15", "1"));
    s.symbolOption = 1;
  }
  const char flagDigit = (s.symbolFlag & 0xFF) != 0 ? '1' : '0';

  if (data.empty() || data.size() > kDataMatrixMaxData) {
    code.Fail(VXCL_DATAMATRIX_DATA,
              "Data " + QuotedExcerpt(data) + " is " +
                  Number(static_cast<long long>(data.size())) +
                  " bytes long, not 1 to 500; nothing added");
    return code.Result();
  }

  const std::string command =
      std::string{ESC} + "BX" + ZeroPadded(s.formatId, 2) +
      ZeroPadded(s.eccLevel, 2) + ZeroPadded(s.cellWidth, 2) +
      ZeroPadded(s.cellHeight, 2) + "000000" + flagDigit +
      ZeroPadded(s.symbolOption, 2) + ESC + "DC" + std::string(data);
  AppendElement(job, direction, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
