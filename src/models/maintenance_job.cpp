#include "models/maintenance_job.h"

#include <utility>

#include "job/errors.h"
#include "job/last_error.h"
#include "job/printer_lookup.h"
#include "job/raw_job.h"

namespace vxcl {

MaintenanceJob::MaintenanceJob(JobState& job, const Platform& platform)
    : job_(job),
      platform_(platform),
      printerName_(job.PrinterName),
      dotsPerMm_(job.DotsPerMm),
      maxWidthDots_(job.MaxWidthDots),
      maxHeightDots_(job.MaxHeightDots) {}

MaintenanceJob::~MaintenanceJob() {
  if (submitted_ || !job_.JobOpen) return;
  job_.PrinterName.swap(printerName_);
  job_.DotsPerMm = dotsPerMm_;
  job_.MaxWidthDots = maxWidthDots_;
  job_.MaxHeightDots = maxHeightDots_;
}

int MaintenanceJob::LookUp(const char* printerName, ResolutionTest test) {
  ClearLastError();
  job_.PrinterName = printerName ? printerName : "";
  try {
    if (!FindPrinter(*platform_.printers, job_.PrinterName, job_))
      return kMaintenancePrinterNotFound;
  } catch (const ERAWPrintError& error) {
    RecordLastError(error.what());
    return kMaintenancePrinterNotFound;
  }
  if (test == ResolutionTest::AtLeast4DotsPerMm && job_.DotsPerMm < 4)
    return kResolutionTooLow;
  return kSuccess;
}

int MaintenanceJob::Submit(std::string_view stream, const CheckCode& settings) {
  std::string printer = job_.PrinterName;
  const std::string document = printer + " Job";
  // The label job in progress is dropped before the submission waits, so a
  // job that host code starts during that wait survives this call.
  submitted_ = true;
  job_.ResetJob();

  int sent;
  try {
    sent = RawJob(platform_, std::move(printer), document, stream);
  } catch (const ERAWPrintError& error) {
    RecordLastError(error.what());
    sent = error.code();
  }
  return sent != kRawJobSent ? sent : settings.Result();
}

}  // namespace vxcl
