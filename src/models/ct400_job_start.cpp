#include "models/ct400_job_start.h"

#include "job/commands.h"
#include "job/job_start.h"
#include "models/centred_job_start.h"
#include "models/checked_setting.h"
#include "models/command_frame.h"

namespace vxcl {

namespace {

char CheckedDarknessLetter(char letter, CheckCode& code) {
  const auto byte = static_cast<unsigned char>(letter);
  if (byte >= 'A' && byte <= 'F') return letter;
  code.Fail(kDarknessLetterOutOfRange);
  return 'A';
}

// The first figure of the "PO" command, for each "PM" value 0 to 8.
int PoMode(int pm) {
  static constexpr int kModes[] = {3, 2, 0, 0, 0, 3, 3, 1, 1};
  return kModes[pm];
}

}  // namespace

int InitCt400Job(JobState& job, const Platform& platform,
                 const char* printerName, const Ct400Settings& settings,
                 double labelWidth, double labelHeight, double shift) {
  CheckCode code;
  const int start = BeginCentredJob(job, platform, printerName, labelWidth,
                                    labelHeight, code);
  if (start != kSuccess) return start;

  const char letter = CheckedDarknessLetter(settings.darknessLetter, code);
  job.SettingsCommand =
      CommandFrame("CS" + Decimal(settings.speed)) +
      CommandFrame("#E" + Decimal(settings.darkness) + std::string{letter});
  std::string header = PrintAreaFrame(IsLongLabel(job));
  header += job.SettingsCommand;
  header += CommandFrame("A3H+000V+0000");
  header += LabelSizeFrame(job.LabelHeightDots);

  const int pm = CheckedSetting(settings.pm, {0, 8, 1, kPmOutOfRange}, code);
  const int po =
      CheckedSetting(settings.po, {-99, 99, 19, kPoOutOfRange}, code);
  header += CommandFrame("PO" + Decimal(PoMode(pm)) + (po < 0 ? "-" : "+") +
                         ZeroPadded(po < 0 ? -po : po, 2));
  header += CommandFrame("PM" + Decimal(pm));
  const int ye = CheckedSetting(settings.ye, {0, 1, 0, kYeOutOfRange}, code);
  header += CommandFrame("YE" + Decimal(ye));
  const int ig = CheckedSetting(settings.ig, {0, 2, 0, kIgOutOfRange}, code);
  header += CommandFrame("IG" + Decimal(ig));
  const int ph = CheckedSetting(settings.ph, {0, 1, 0, kPhOutOfRange}, code);
  header += CommandFrame("PH" + Decimal(ph));
  header += LabelOpening();
  job.JobHeader = std::move(header);

  CheckShift(job, shift, code);
  return code.Result();
}

}  // namespace vxcl
