#include "models/maintenance_job.h"

#include <string>

#include "job/errors.h"
#include "job/last_error.h"
#include "job/printer_lookup.h"
#include "job/raw_job.h"

namespace vxcl {

namespace {

// Puts an open job's printer back unless the lookup was accepted.
class OpenJobPrinterKeeper {
 public:
  explicit OpenJobPrinterKeeper(JobState& job)
      : job_(job),
        name_(job.PrinterName),
        dotsPerMm_(job.DotsPerMm),
        maxWidthDots_(job.MaxWidthDots),
        maxHeightDots_(job.MaxHeightDots) {}
  ~OpenJobPrinterKeeper() {
    if (accepted_ || !job_.JobOpen) return;
    job_.PrinterName.swap(name_);
    job_.DotsPerMm = dotsPerMm_;
    job_.MaxWidthDots = maxWidthDots_;
    job_.MaxHeightDots = maxHeightDots_;
  }
  void Accept() { accepted_ = true; }

 private:
  JobState& job_;
  std::string name_;
  int dotsPerMm_, maxWidthDots_, maxHeightDots_;
  bool accepted_ = false;
};

}  // namespace

int FindMaintenancePrinter(JobState& job, const Platform& platform,
                           const char* printerName, ResolutionTest test) {
  ClearLastError();
  OpenJobPrinterKeeper keeper(job);
  job.PrinterName = printerName ? printerName : "";
  try {
    if (!FindPrinter(*platform.printers, job.PrinterName, job))
      return kMaintenancePrinterNotFound;
  } catch (const ERAWPrintError& error) {
    RecordLastError(error.what());
    return kMaintenancePrinterNotFound;
  }
  if (test == ResolutionTest::AtLeast4DotsPerMm && job.DotsPerMm < 4)
    return kResolutionTooLow;
  keeper.Accept();
  return kSuccess;
}

int SubmitMaintenanceJob(JobState& job, const Platform& platform,
                         std::string_view stream, const CheckCode& settings) {
  const std::string document = job.PrinterName + " Job";
  // Whatever the submission does, the label job in progress is dropped.
  struct ResetJobAfter {
    JobState& job;
    ~ResetJobAfter() { job.ResetJob(); }
  } resetJob{job};

  int sent;
  try {
    sent = RawJob(platform, job.PrinterName, document, stream);
  } catch (const ERAWPrintError& error) {
    RecordLastError(error.what());
    sent = error.code();
  }
  return sent != kRawJobSent ? sent : settings.Result();
}

}  // namespace vxcl
