#include "models/maintenance_job.h"

#include <utility>

#include "job/printer_lookup.h"
#include "job/raw_job.h"
#include "platform/platform.h"

namespace vxcl {

Outcome MaintenanceJob::LookUp(std::string_view printerName,
                               ResolutionTest test) {
  printerName_ = printerName;
  Expected<PrinterMetrics> printer =
      LookUpPrinter(*platform_.printers, printerName_);
  if (!printer)
    return {VXCL_MAINTENANCE_PRINTER_NOT_FOUND,
            printer.Failure().message + "; nothing sent"};
  dotsPerMm_ = printer->dotsPerMm;
  destination_ = std::move(printer->installedName);
  if (test == ResolutionTest::AtLeast4DotsPerMm && dotsPerMm_ < 4)
    return {VXCL_RESOLUTION_TOO_LOW,
            ResolutionTooLow(destination_, dotsPerMm_) + "; nothing sent"};
  return VXCL_OK;
}

Outcome MaintenanceJob::Submit(std::string_view stream,
                               const CheckCode& settings) {
  const std::string document = printerName_ + " Job";
  // The label job in progress is dropped before the submission waits, so a
  // job that host code starts during that wait survives this call.
  job_.Reset();
  Outcome sent = SubmitRawJob(platform_, destination_, document, stream);
  if (sent.code != VXCL_OK) return sent;
  return settings.Result();
}

}  // namespace vxcl
