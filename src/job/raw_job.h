// Hands one finished command stream to a printer as one raw document.
#ifndef VXCL_JOB_RAW_JOB_H
#define VXCL_JOB_RAW_JOB_H

#include <string>
#include <string_view>

#include "job/outcome.h"

namespace vxcl {

struct Platform;
struct LabelLayout;
class PrinterSystem;

// The default printer's name, "" when there is none. Fails with 144 and
// "無預設印表機." ("There is no default printer.") when it cannot be read.
Expected<std::string> ReadDefaultPrinterName(PrinterSystem& printers);

// Submits `data` (any bytes, NUL included, all of them) to `printer` under
// `document`, once the printer's queue holds at most two jobs (else, once
// the host's limit ran out, VXCL_SPOOL_QUEUE_FULL with nothing sent), then
// services host events for a second; all of it without the library's lock,
// so `data` must be the caller's own. An empty printer name means the
// default printer (VXCL_SPOOL_DEFAULT_PRINTER). A failing step gives its
// code (145 to 150) with a message naming the printer or the document,
// after the page and document were ended and the printer closed. A label job
// passes its label's layout, which the printer is told before the data.
Outcome SubmitRawJob(const Platform& platform, std::string printer,
                     std::string_view document, std::string_view data,
                     const LabelLayout* label = nullptr);

}  // namespace vxcl

#endif
