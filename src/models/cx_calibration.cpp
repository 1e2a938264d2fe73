#include "models/cx_calibration.h"

#include "job/commands.h"
#include "models/command_frame.h"
#include "models/maintenance_job.h"

namespace vxcl {

std::string CxCalibrationStream(int heightDots, const CxSettings& settings,
                                CheckCode& code) {
  std::string stream = CxSettingFrames(settings, code);
  stream += PrintAreaFrame(false);  // calibration always uses "AR"
  stream += CommandFrame("A3H001V001");
  stream += LabelSizeFrame(heightDots);
  stream += CommandFrame("CA");
  // A closing job with no STX ahead and no ETX after it.
  stream += std::string{ESC, 'A', ' ', ESC, 'Z'};
  return stream;
}

Outcome SendCxCalibration(JobState& job, const Platform& platform,
                          std::string_view printerName, double labelHeight,
                          const CxSettings& settings) {
  MaintenanceJob calibration(job, platform);
  Outcome found =
      calibration.LookUp(printerName, ResolutionTest::AtLeast4DotsPerMm);
  if (found.code != VXCL_OK) return found;
  CheckCode code;
  const std::string stream = CxCalibrationStream(
      MmToDots(calibration.DotsPerMm(), labelHeight), settings, code);
  return calibration.Submit(stream, code);
}

}  // namespace vxcl
