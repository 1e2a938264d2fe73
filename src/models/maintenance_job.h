// What the two maintenance jobs (CX calibration, CT default settings) share:
// their own printer lookup, and a submission at once that drops any label
// job in progress.
#ifndef VXCL_MODELS_MAINTENANCE_JOB_H
#define VXCL_MODELS_MAINTENANCE_JOB_H

#include <string>
#include <string_view>

#include "job/job_state.h"
#include "job/result_code.h"
#include "platform/platform.h"

namespace vxcl {

// A maintenance job's answer when its printer is not found.
inline constexpr int kMaintenancePrinterNotFound = 0;

enum class ResolutionTest { None, AtLeast4DotsPerMm };

// One maintenance call. Until its stream is submitted, a label job that is
// open keeps the printer name and metrics it was opened with: a refused or
// failed call must not redirect that job's end to another printer.
class MaintenanceJob {
 public:
  MaintenanceJob(JobState& job, const Platform& platform);
  ~MaintenanceJob();
  MaintenanceJob(const MaintenanceJob&) = delete;
  MaintenanceJob& operator=(const MaintenanceJob&) = delete;

  // Looks the printer up without the busy guard and without resetting the
  // job; PrinterName takes the host's text. Returns 1 when the job may go
  // ahead, 0 when the printer is not found or its lookup failed (the
  // message then goes to VxclLastError), 4 when the resolution test fails.
  int LookUp(const char* printerName, ResolutionTest test);

  // Resets the job, then submits `stream` to PrinterName under PrinterName
  // + " Job" (a job started by host code during the submission's wait stays
  // open). Returns the submission's code
  // when it is not 1 (a failure's message goes to VxclLastError), else the
  // settings' result.
  int Submit(std::string_view stream, const CheckCode& settings);

 private:
  JobState& job_;
  const Platform& platform_;
  bool submitted_ = false;
  // The open job's printer, put back unless the stream was submitted.
  std::string printerName_;
  int dotsPerMm_, maxWidthDots_, maxHeightDots_;
};

}  // namespace vxcl

#endif
