#include "models/centred_job_start.h"

#include "job/job_start.h"

namespace vxcl {

Outcome BeginCentredJob(JobState& job, const Platform& platform,
                        PrinterFamily family, std::string_view printerName,
                        double labelWidth, double labelHeight,
                        CheckCode& code) {
  Outcome start = BeginJobStart(job, platform, printerName);
  if (start.code != VXCL_OK) return start;

  job.family = family;
  job.open = true;
  CheckLabelSize(job, labelWidth, labelHeight, code);
  // These printers centre the label on the head; an odd free width loses
  // its half dot.
  job.mediaOffsetDots = (job.maxWidthDots - job.labelWidthDots) / 2;
  return VXCL_OK;
}

}  // namespace vxcl
