#include "job/job_end.h"

#include <utility>

#include "job/check_messages.h"
#include "job/commands.h"
#include "job/label_batch.h"
#include "job/raw_job.h"
#include "platform/printer_system.h"

namespace vxcl {

Outcome SetQuantity(JobState& job, int quantity) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  const bool cx208 = job.family == PrinterFamily::CX208;
  if (quantity < 0 || quantity > 999999 || (cx208 && quantity > 65535)) {
    code.Fail(
        VXCL_QUANTITY,
        Replaced("Quantity", Number(quantity),
                 cx208 ? "0 to 65535 (a CX208 job)" : "0 to 999999", "1"));
    quantity = 1;
  }
  job.quantityCommand = std::string{ESC, 'Q'} + Decimal(quantity);
  return code.Result();
}

Outcome SetCutter(JobState& job, int cutCount, int eSeriesCount,
                  int eSeriesFlag) {
  if (!job.open) return VXCL_NO_JOB;
  job.cutCommand.clear();
  CheckCode code;
  if (cutCount < 0 || cutCount > 9999) {
    code.Fail(VXCL_CUT_COUNT, Replaced("CutCount", Number(cutCount),
                                       "0 to 9999", "0 (no cut)"));
    cutCount = 0;
  }
  if (cutCount > 0) {
    eSeriesCount = 0;  // a cut count overrides the e-series count unchecked
    job.cutCommand = std::string{ESC, NUL} + Decimal(cutCount);
  }
  if (job.family == PrinterFamily::ESeries) {
    if (eSeriesCount < 0 || eSeriesCount > 9999) {
      code.Fail(VXCL_CUT_COUNT, Replaced("ESeriesCount", Number(eSeriesCount),
                                         "0 to 9999", "0"));
      eSeriesCount = 0;
    }
    if (eSeriesCount > 0)
      job.cutCommand = std::string{ESC, 'A'} + Decimal(eSeriesCount);
    if ((eSeriesFlag & 0xFF) != 0) job.cutCommand += std::string{ESC, 'B'};
  }
  return code.Result();
}

Outcome EndJob(JobState& job, const Platform& platform) {
  if (!job.open) return VXCL_NO_JOB;
  if (job.quantityCommand.empty()) {
    job.Reset();
    return Outcome(VXCL_QUANTITY,
                   "no quantity was set (PrnQty was not called); nothing "
                   "sent, the job is closed");
  }
  const std::string end{ESC, 'Z', ETX};
  const LabelLayout label{job.dotsPerMm, job.maxWidthDots, job.labelWidthDots,
                          job.labelHeightDots, job.mediaOffsetDots};
  // With a batch open the finished job joins it instead of being sent; a
  // job the batch refuses stays open.
  if (LabelBatch& batch = TheBatch(); batch.IsOpen()) {
    const std::size_t size = job.header.size() + job.body.size() +
                             job.cutCommand.size() +
                             job.quantityCommand.size() + end.size();
    Outcome admitted = batch.Admit(job.destination, size);
    if (admitted.code != VXCL_OK) return admitted;
    batch.Append(
        {job.header, job.body, job.cutCommand, job.quantityCommand, end},
        label);
    job.Reset();
    return VXCL_OK;
  }

  // Until the submission, whatever happens closes the job.
  struct CloseJob {
    JobState& job;
    ~CloseJob() { job.Reset(); }
  };
  std::string printer, document, stream;
  {
    CloseJob closeJob{job};
    stream.reserve(job.header.size() + job.body.size() + job.cutCommand.size() +
                   job.quantityCommand.size() + end.size());
    stream += job.header;
    stream += job.body;
    stream += job.cutCommand;
    stream += job.quantityCommand;
    stream += end;
    printer = job.destination;
    document = job.printerName + " Job";
  }
  // The job is closed before the submission waits: host code run by that
  // wait may start the next job, and that job must survive this call. The
  // submission works on its own copies.
  return SubmitRawJob(platform, std::move(printer), document, stream, &label);
}

}  // namespace vxcl
