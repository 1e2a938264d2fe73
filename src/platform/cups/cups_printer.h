// One CUPS queue, open for the lookup and for one raw job.
#ifndef VXCL_PLATFORM_CUPS_CUPS_PRINTER_H
#define VXCL_PLATFORM_CUPS_CUPS_PRINTER_H

#include <optional>
#include <string>

#include "platform/cups/cups_handles.h"
#include "platform/cups/queue_metrics.h"
#include "platform/printer_system.h"

namespace vxcl::cups {

class CupsPrinter final : public Printer {
 public:
  // `http` is this printer's own connection to the scheduler.
  CupsPrinter(Connection http, Dest dest);
  ~CupsPrinter() override;

  // The queue's default paper. Fails, saying why, when the queue reports
  // no resolution or no paper sizes (a raw queue without a PPD).
  bool ReadDeviceMode(DeviceMode& mode) override;
  std::optional<DeviceCaps> QueryDevice(const DeviceMode& mode) override;
  std::string FailureReason() const override { return reason_; }

  // Pending, held and processing jobs of the queue.
  std::optional<int> QueuedJobCount() override;

  // One CUPS job named after the document, holding one raw document.
  bool StartDocument(std::string_view documentName) override;
  bool StartPage() override { return true; }
  bool Write(std::string_view bytes, std::size_t& written) override;
  bool EndPage() override { return true; }
  // Completes the document; after a failed write the job is cancelled
  // instead, so that no partial label stream reaches the printer.
  bool EndDocument() override;

 private:
  const QueueMetrics* Metrics();
  std::string PrinterUri() const;
  void Fail(std::string what);
  int CreateJob(const std::string& title);  // the job id, 0 on failure
  void CancelJob();

  Connection http_;
  Dest dest_;
  std::string name_;  // "name" or "name/instance"
  std::optional<QueueMetrics> metrics_;
  std::string reason_;
  int jobId_ = 0;
  bool documentOpen_ = false;
  bool writeFailed_ = false;
};

}  // namespace vxcl::cups

#endif
