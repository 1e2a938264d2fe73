// PDF417 symbols: the printer encodes them; the library checks the symbol
// settings and turns "&h" escapes in the data into control bytes.
#ifndef VXCL_BARCODE_PDF417_H
#define VXCL_BARCODE_PDF417_H

#include <cstddef>
#include <string>
#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

inline constexpr std::size_t kPdf417MaxData = 2700;

struct Pdf417Settings {
  int variant;        // 0 standard, 1 truncated (",T"), 2 micro (",M")
  int moduleWidth;    // dots, 3 to 9
  int rowHeight;      // dots, 4 to 24
  int securityLevel;  // 1 to 8
  int columns;        // 0 (the printer chooses) to 30
  int rows;           // 0 (the printer chooses), or 3 to 40
};

// "&h01" to "&h1F", in either letter case, become the bytes 1 to 31; any
// other text stays as it is.
std::string ConvertControlEscapes(std::string_view data);

// PrnPDF417: 0, 1, 7, 96 to 101 (the last failing check, in parameter
// order), or 102 with nothing appended when the converted data is empty or
// longer than 2700 bytes.
Outcome AddPdf417(JobState& job, int direction, double x, double y,
                  Pdf417Settings settings, std::string_view data);

}  // namespace vxcl

#endif
