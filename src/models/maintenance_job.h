// What the two maintenance jobs (CX calibration, CT default settings) share:
// their own printer lookup, and a submission at once that drops any label
// job in progress.
#ifndef VXCL_MODELS_MAINTENANCE_JOB_H
#define VXCL_MODELS_MAINTENANCE_JOB_H

#include <string>
#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

struct Platform;

enum class ResolutionTest { None, AtLeast4DotsPerMm };

// One maintenance call. Until its stream is submitted, a label job that is
// open is not touched: a refused or failed call must not redirect that
// job's end to another printer.
class MaintenanceJob {
 public:
  MaintenanceJob(JobState& job, const Platform& platform)
      : job_(job), platform_(platform) {}

  // Looks the printer up without the busy guard. VXCL_OK when the job may
  // go ahead; VXCL_MAINTENANCE_PRINTER_NOT_FOUND (with the lookup's
  // message) or VXCL_RESOLUTION_TOO_LOW otherwise.
  Outcome LookUp(std::string_view printerName, ResolutionTest test);
  int DotsPerMm() const { return dotsPerMm_; }

  // Drops the label job, then submits `stream` to the printer under its
  // name + " Job" (a job started by host code during the submission's wait
  // stays open). The submission's outcome when it is not VXCL_OK, else the
  // settings' result.
  Outcome Submit(std::string_view stream, const CheckCode& settings);

 private:
  JobState& job_;
  const Platform& platform_;
  std::string printerName_;  // as the host gave it
  std::string destination_;  // the installed printer it matched
  int dotsPerMm_ = 0;
};

}  // namespace vxcl

#endif
