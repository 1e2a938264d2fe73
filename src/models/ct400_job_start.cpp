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
  code.Fail(VXCL_CT400_DARKNESS_LETTER,
            Replaced("DarknessLetter", QuotedByte(letter), "\"A\" to \"F\"",
                     "\"A\""));
  return 'A';
}

// The first figure of the "PO" command, for each "PM" value 0 to 8.
int PoMode(int pm) {
  static constexpr int kModes[] = {3, 2, 0, 0, 0, 3, 3, 1, 1};
  return kModes[pm];
}

}  // namespace

Outcome OpenCt400Job(JobState& job, const Platform& platform,
                     std::string_view printerName,
                     const Ct400Settings& settings, double labelWidth,
                     double labelHeight, double shift) {
  CheckCode code;
  Outcome start = BeginCentredJob(job, platform, PrinterFamily::CT400,
                                  printerName, labelWidth, labelHeight, code);
  if (start.code != VXCL_OK) return start;

  const char letter = CheckedDarknessLetter(settings.darknessLetter, code);
  job.settingsCommand =
      CommandFrame("CS" + Decimal(settings.speed)) +
      CommandFrame("#E" + Decimal(settings.darkness) + std::string{letter});
  std::string header = PrintAreaFrame(IsLongLabel(job));
  header += job.settingsCommand;
  header += CommandFrame("A3H+000V+0000");
  header += LabelSizeFrame(job.labelHeightDots);

  const int pm = CheckedSetting("PmSetting", settings.pm,
                                {0, 8, 1, VXCL_CX_CP_CT_PM}, code);
  const int po = CheckedSetting("PoSetting", settings.po,
                                {-99, 99, 19, VXCL_CX_CB_CT_PO}, code);
  header += CommandFrame("PO" + Decimal(PoMode(pm)) + (po < 0 ? "-" : "+") +
                         ZeroPadded(po < 0 ? -po : po, 2));
  header += CommandFrame("PM" + Decimal(pm));
  const int ye =
      CheckedSetting("YeSetting", settings.ye, {0, 1, 0, VXCL_CT400_YE}, code);
  header += CommandFrame("YE" + Decimal(ye));
  const int ig = CheckedSetting("IgSetting", settings.ig,
                                {0, 2, 0, VXCL_CX_CI_CT_IG}, code);
  header += CommandFrame("IG" + Decimal(ig));
  const int ph =
      CheckedSetting("PhSetting", settings.ph, {0, 1, 0, VXCL_CT400_PH}, code);
  header += CommandFrame("PH" + Decimal(ph));
  header += LabelOpening();
  job.header = std::move(header);

  CheckShift(job, shift, code);
  return code.Result();
}

}  // namespace vxcl
