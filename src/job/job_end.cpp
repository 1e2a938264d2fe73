#include "job/job_end.h"

#include <utility>

#include "job/commands.h"
#include "job/errors.h"
#include "job/last_error.h"
#include "job/raw_job.h"
#include "job/result_code.h"

namespace vxcl {

int SetQuantity(JobState& job, int quantity) {
  if (!job.JobOpen) return kNoJob;
  CheckCode code;
  if (quantity < 0 || quantity > 999999 ||
      (job.Cx208Mode && quantity > 65535)) {
    quantity = 1;
    code.Fail(kQuantityOutOfRange);
  }
  job.QuantityCommand = std::string{ESC, 'Q'} + Decimal(quantity);
  return code.Result();
}

int SetCutter(JobState& job, int cutCount, int eSeriesCount, int eSeriesFlag) {
  if (!job.JobOpen) return kNoJob;
  job.CutCommand.clear();
  CheckCode code;
  if (cutCount < 0 || cutCount > 9999) {
    cutCount = 0;
    code.Fail(kCutCountOutOfRange);
  }
  if (cutCount > 0) {
    eSeriesCount = 0;  // a cut count overrides the e-series count unchecked
    job.CutCommand = std::string{ESC, NUL} + Decimal(cutCount);
  }
  if (job.ESeriesMode) {
    if (eSeriesCount < 0 || eSeriesCount > 9999) {
      eSeriesCount = 0;
      code.Fail(kCutCountOutOfRange);
    }
    if (eSeriesCount > 0)
      job.CutCommand = std::string{ESC, 'A'} + Decimal(eSeriesCount);
    if ((eSeriesFlag & 0xFF) != 0) job.CutCommand += std::string{ESC, 'B'};
  }
  return code.Result();
}

int EndJob(JobState& job, const Platform& platform) {
  if (!job.JobOpen) return kNoJob;

  // Until the submission, whatever happens closes the job.
  struct CloseJob {
    JobState& job;
    ~CloseJob() { job.ResetJob(); }
  };
  std::string printer, document, stream;
  LabelLayout label{};
  {
    CloseJob closeJob{job};
    if (job.QuantityCommand.empty()) return kNoQuantity;
    stream.reserve(job.JobHeader.size() + job.JobBody.size() +
                   job.CutCommand.size() + job.QuantityCommand.size() + 3);
    stream += job.JobHeader;
    stream += job.JobBody;
    stream += job.CutCommand;
    stream += job.QuantityCommand;
    stream += std::string{ESC, 'Z', ETX};
    printer = job.PrinterName;
    document = job.PrinterName + " Job";
    label = LabelLayout{job.DotsPerMm, job.MaxWidthDots, job.LabelWidthDots,
                        job.LabelHeightDots, job.MediaOffsetDots};
  }
  // The job is closed before the submission waits: host code run by that
  // wait may start the next job, and that job must survive this call. The
  // submission works on its own copies.
  try {
    return RawJob(platform, std::move(printer), document, stream, &label);
  } catch (const ERAWPrintError& error) {
    RecordLastError(error.what());
    return error.code();
  }
}

}  // namespace vxcl
