#include "job/job_start.h"

#include "job/commands.h"
#include "job/errors.h"
#include "job/last_error.h"
#include "job/printer_lookup.h"

namespace vxcl {

int BeginJobStart(JobState& job, const Platform& platform,
                  const char* printerName) {
  // BusyCount turns away a job start that enters while another one is in
  // these first steps.
  if (++job.BusyCount > 1) {
    job.BusyCount = 1;
    return kBusy;
  }
  job.ResetJob();
  ClearLastError();
  job.PrinterName = printerName ? printerName : "";
  try {
    if (!FindPrinter(*platform.printers, job.PrinterName, job))
      return kPrinterNotFound;
  } catch (const ERAWPrintError& error) {
    RecordLastError(error.what());
    return kPrinterNotFound;
  }
  if (job.DotsPerMm < 4) return kResolutionTooLow;
  return kSuccess;
}

void CloseFailedStart(JobState& job) {
  job.JobOpen = false;
  job.BusyCount = 0;
}

void CheckLabelSize(JobState& job, double widthMm, double heightMm,
                    CheckCode& code) {
  job.LabelWidthDots = MmToDots(job.DotsPerMm, widthMm);
  job.LabelHeightDots = MmToDots(job.DotsPerMm, heightMm);
  if (job.LabelWidthDots < 0 || job.LabelWidthDots > job.MaxWidthDots) {
    job.LabelWidthDots = job.MaxWidthDots;
    code.Fail(kLabelWidthOutOfRange);
  }
  if (job.LabelHeightDots < 0 || job.LabelHeightDots > job.MaxHeightDots) {
    job.LabelHeightDots = 200;  // dots, whatever the resolution
    code.Fail(kLabelHeightOutOfRange);
  }
}

void CheckShift(JobState& job, double shiftMm, CheckCode& code) {
  job.ShiftDots = MmToDots(job.DotsPerMm, shiftMm);
  if (job.ShiftDots > job.MaxWidthDots / 2) {
    job.ShiftDots = 0;
    code.Fail(kShiftOutOfRange);
  }
}

bool IsLongLabel(const JobState& job) {
  return static_cast<long long>(job.LabelHeightDots) > 178LL * job.DotsPerMm;
}

int InitLabelJob(JobState& job, const Platform& platform, LabelPrinter model,
                 const char* printerName, int darkness, int speed,
                 double labelWidth, double labelHeight, double shift) {
  const int start = BeginJobStart(job, platform, printerName);
  if (start != kSuccess) return start;

  job.ApplyMediaOffset = 0;
  job.ESeriesMode = model == LabelPrinter::ESeries;
  job.JobOpen = true;

  CheckCode code;
  CheckLabelSize(job, labelWidth, labelHeight, code);
  // The label sits at the far edge of the print head: every horizontal
  // position moves by the width the label does not cover.
  job.MediaOffsetDots = job.MaxWidthDots - job.LabelWidthDots;
  job.SettingsCommand =
      std::string{ESC} + "CS" + Decimal(speed) + ESC + "#E" + Decimal(darkness);
  CheckShift(job, shift, code);

  const char* area = !IsLongLabel(job)                ? "AR"
                     : model == LabelPrinter::ESeries ? "EX0"
                                                      : "AX";
  job.JobHeader = std::string{STX, ESC, 'A', ESC} + area + job.SettingsCommand +
                  std::string{ESC, 'Z', ETX, STX, ESC, 'A'};
  return code.Result();
}

}  // namespace vxcl
