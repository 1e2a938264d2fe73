#include "models/cx208_job_start.h"

#include "job/commands.h"
#include "job/job_start.h"
#include "models/centred_job_start.h"
#include "models/command_frame.h"

namespace vxcl {

int InitCx208Job(JobState& job, const Platform& platform,
                 const char* printerName, int darkness, int speed,
                 const CxSettings& settings, double labelWidth,
                 double labelHeight, double shift) {
  CheckCode code;
  const int start = BeginCentredJob(job, platform, printerName, labelWidth,
                                    labelHeight, code);
  if (start != kSuccess) return start;
  job.Cx208Mode = true;

  std::string header = CxSettingFrames(settings, code);
  CheckShift(job, shift, code);
  job.SettingsCommand = CommandFrame("CS" + Decimal(speed)) +
                        CommandFrame("#E" + Decimal(darkness));
  header += PrintAreaFrame(IsLongLabel(job));
  header += CommandFrame("A3H001V001");
  header += LabelSizeFrame(job.LabelHeightDots);
  header += job.SettingsCommand;
  header += LabelOpening();
  job.JobHeader = std::move(header);
  return code.Result();
}

}  // namespace vxcl
