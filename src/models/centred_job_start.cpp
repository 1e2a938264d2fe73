#include "models/centred_job_start.h"

#include "job/job_start.h"

namespace vxcl {

int BeginCentredJob(JobState& job, const Platform& platform,
                    const char* printerName, double labelWidth,
                    double labelHeight, CheckCode& code) {
  const int start = BeginJobStart(job, platform, printerName);
  if (start != kSuccess) return start;

  job.ApplyMediaOffset = 1;
  job.JobOpen = true;
  CheckLabelSize(job, labelWidth, labelHeight, code);
  // These printers centre the label on the head; an odd free width loses
  // its half dot.
  job.MediaOffsetDots = (job.MaxWidthDots - job.LabelWidthDots) / 2;
  return kSuccess;
}

}  // namespace vxcl
