#include "job/job_start.h"

#include "job/check_messages.h"
#include "job/commands.h"
#include "job/label_batch.h"
#include "job/printer_lookup.h"
#include "platform/platform.h"

namespace vxcl {

Outcome BeginJobStart(JobState& job, const Platform& platform,
                      std::string_view printerName) {
  // busyCount turns away a job start that enters while another one is in
  // these first steps.
  if (++job.busyCount > 1) {
    job.busyCount = 1;
    return Outcome(VXCL_BUSY,
                   "another job start is in progress; no job opened");
  }
  job.Reset();
  job.printerName = printerName;
  LabelBatch& batch = TheBatch();
  const PrinterMetrics* known = batch.KnownPrinter(job.printerName);
  Expected<PrinterMetrics> printer =
      known ? *known : LookUpPrinter(*platform.printers, job.printerName);
  if (!printer) {
    printer.Failure().message += "; no job opened";
    return std::move(printer.Failure());
  }
  if (!known) batch.RememberPrinter(job.printerName, *printer);
  job.destination = std::move(printer->installedName);
  job.dotsPerMm = printer->dotsPerMm;
  job.maxWidthDots = printer->maxWidthDots;
  job.maxHeightDots = printer->maxHeightDots;
  if (job.dotsPerMm < 4)
    return Outcome(
        VXCL_RESOLUTION_TOO_LOW,
        ResolutionTooLow(job.destination, job.dotsPerMm) + "; no job opened");
  return VXCL_OK;
}

void CloseFailedStart(JobState& job) {
  job.open = false;
  job.busyCount = 0;
}

void CheckLabelSize(JobState& job, double widthMm, double heightMm,
                    CheckCode& code) {
  job.labelWidthDots = MmToDots(job.dotsPerMm, widthMm);
  job.labelHeightDots = MmToDots(job.dotsPerMm, heightMm);
  if (job.labelWidthDots < 0 || job.labelWidthDots > job.maxWidthDots) {
    code.Fail(
        VXCL_LABEL_WIDTH,
        Replaced(
            "LabelWidth",
            Millimetres(widthMm) + " (" + Number(job.labelWidthDots) + " dots)",
            Span(0, job.maxWidthDots) + " dots (the printer's widest line)",
            Number(job.maxWidthDots) + " dots"));
    job.labelWidthDots = job.maxWidthDots;
  }
  if (job.labelHeightDots < 0 || job.labelHeightDots > job.maxHeightDots) {
    code.Fail(VXCL_LABEL_HEIGHT,
              Replaced("LabelHeight",
                       Millimetres(heightMm) + " (" +
                           Number(job.labelHeightDots) + " dots)",
                       Span(0, job.maxHeightDots) +
                           " dots (the printer's longest label)",
                       "200 dots"));
    job.labelHeightDots = 200;  // dots, whatever the resolution
  }
}

void CheckShift(JobState& job, double shiftMm, CheckCode& code) {
  job.shiftDots = MmToDots(job.dotsPerMm, shiftMm);
  if (job.shiftDots > job.maxWidthDots / 2) {
    code.Fail(
        VXCL_SHIFT,
        Replaced("Shift",
                 Millimetres(shiftMm) + " (" + Number(job.shiftDots) + " dots)",
                 Number(job.maxWidthDots / 2) +
                     " dots or less (half the printer's widest line)",
                 "0"));
    job.shiftDots = 0;
  }
}

bool IsLongLabel(const JobState& job) {
  return static_cast<long long>(job.labelHeightDots) > 178LL * job.dotsPerMm;
}

Outcome OpenLabelJob(JobState& job, const Platform& platform,
                     PrinterFamily family, std::string_view printerName,
                     int darkness, int speed, double labelWidth,
                     double labelHeight, double shift) {
  Outcome start = BeginJobStart(job, platform, printerName);
  if (start.code != VXCL_OK) return start;

  job.family = family;
  job.open = true;

  CheckCode code;
  CheckLabelSize(job, labelWidth, labelHeight, code);
  // The label sits at the far edge of the print head: every horizontal
  // position moves by the width the label does not cover.
  job.mediaOffsetDots = job.maxWidthDots - job.labelWidthDots;
  job.settingsCommand =
      std::string{ESC} + "CS" + Decimal(speed) + ESC + "#E" + Decimal(darkness);
  CheckShift(job, shift, code);

  const char* area = !IsLongLabel(job)                  ? "AR"
                     : family == PrinterFamily::ESeries ? "EX0"
                                                        : "AX";
  job.header = std::string{STX, ESC, 'A', ESC} + area + job.settingsCommand +
               std::string{ESC, 'Z', ETX, STX, ESC, 'A'};
  return code.Result();
}

}  // namespace vxcl
