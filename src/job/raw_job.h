// Hands one finished command stream to a printer as one raw document.
#ifndef VXCL_JOB_RAW_JOB_H
#define VXCL_JOB_RAW_JOB_H

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vxcl {

// Result codes of a submission.
inline constexpr int kRawJobSent = 1;
inline constexpr int kRawJobDefaultPrinter = 144;
inline constexpr int kRawJobCannotOpen = 145;
inline constexpr int kRawJobStartDocFailed = 146;
inline constexpr int kRawJobWriteFailed = 147;
inline constexpr int kRawJobShortWrite = 148;
inline constexpr int kRawJobEndPageFailed = 149;
inline constexpr int kRawJobEndDocFailed = 150;

// The default printer's name, "" when there is none. Throws
// ERAWPrintErrorPrinterName when it cannot be read.
std::string GetDefaultPrinterName(PrinterSystem& printers);

// Submits `data` (any bytes, NUL included, all of them) to `printer` under
// `document`, once the printer's queue holds at most two jobs, then services
// host events for a second. An empty printer name means the default printer
// (result 144). Returns 1 or 144; a failing step throws ERAWPrintError
// carrying its code (145 to 150), after the page and document were ended
// and the printer closed. A label job passes its label's layout, which the
// printer is told before the data.
int RawJob(const Platform& platform, std::string printer,
           std::string_view document, std::string_view data,
           const LabelLayout* label = nullptr);

}  // namespace vxcl

#endif
