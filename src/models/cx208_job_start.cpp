#include "models/cx208_job_start.h"

#include "job/commands.h"
#include "job/job_start.h"
#include "models/centred_job_start.h"
#include "models/command_frame.h"

namespace vxcl {

Outcome OpenCx208Job(JobState& job, const Platform& platform,
                     std::string_view printerName, int darkness, int speed,
                     const CxSettings& settings, double labelWidth,
                     double labelHeight, double shift) {
  CheckCode code;
  Outcome start = BeginCentredJob(job, platform, PrinterFamily::CX208,
                                  printerName, labelWidth, labelHeight, code);
  if (start.code != VXCL_OK) return start;

  std::string header = CxSettingFrames(settings, code);
  CheckShift(job, shift, code);
  job.settingsCommand = CommandFrame("CS" + Decimal(speed)) +
                        CommandFrame("#E" + Decimal(darkness));
  header += PrintAreaFrame(IsLongLabel(job));
  header += CommandFrame("A3H001V001");
  header += LabelSizeFrame(job.labelHeightDots);
  header += job.settingsCommand;
  header += LabelOpening();
  job.header = std::move(header);
  return code.Result();
}

}  // namespace vxcl
