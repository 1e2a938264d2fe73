#include "job/raw_job.h"

#include <optional>

#include "job/errors.h"
#include "job/host_wait.h"
#include "job/messages.h"
#include "job/printer_lookup.h"

namespace vxcl {

namespace {

// A failed job enumeration is retried for this long; after that the queue
// counts as empty and the submission goes ahead.
constexpr std::uint32_t kEnumerationRetryMs = 5000;
constexpr unsigned kEnumerationRetryPauseMs = 10;
constexpr int kMostQueuedJobs = 2;

// A printer step that throws counts as a failed step, so the clean-up
// steps still run.
template <class Step>
bool Succeeds(Step&& step) {
  try {
    return step();
  } catch (...) {
    return false;
  }
}

std::optional<int> CountJobs(Printer& printer) {
  try {
    return printer.QueuedJobCount();
  } catch (...) {
    return std::nullopt;
  }
}

int QueuedJobs(Printer& printer, const Platform& platform) {
  std::optional<int> count = CountJobs(printer);
  const std::uint32_t start = platform.clock->TickCountMs();
  while (!count) {
    ServiceMessages(*platform.events);
    if (platform.clock->TickCountMs() - start >= kEnumerationRetryMs) return 0;
    platform.clock->SleepMs(kEnumerationRetryPauseMs);
    count = CountJobs(printer);
  }
  return *count;
}

void WaitForQueue(Printer& printer, const Platform& platform) {
  for (;;) {
    const int queued = QueuedJobs(printer, platform);
    ServiceMessages(*platform.events);
    if (queued <= kMostQueuedJobs) return;
    WaitOneSecond(*platform.events, *platform.clock);
  }
}

}  // namespace

std::string GetDefaultPrinterName(PrinterSystem& printers) {
  std::optional<std::string> name = printers.DefaultPrinterName();
  if (!name)
    throw ERAWPrintErrorPrinterName(kRawJobDefaultPrinter,
                                    std::string(kNoDefaultPrinter));
  return *name;
}

int RawJob(const Platform& platform, std::string printer,
           std::string_view document, std::string_view data,
           const LabelLayout* label) {
  int result = kRawJobSent;
  if (printer.empty()) {
    printer = GetDefaultPrinterName(*platform.printers);
    result = kRawJobDefaultPrinter;
  }
  if (printer.empty()) return result;
  const std::size_t length = data.size();

  std::unique_ptr<Printer> handle = platform.printers->Open(printer);
  if (!handle) {
    // The job was opened on the printer the lookup matched, whose name may
    // differ from the host's text by surrounding blanks: send it there.
    const auto device = MatchPrinterName(*platform.printers, printer);
    if (device && device->DeviceName != printer)
      handle = platform.printers->Open(device->DeviceName);
  }
  if (!handle)
    throw ERAWPrintErrorPrinterName(kRawJobCannotOpen,
                                    PrinterUnusableMessage(printer));
  WaitForQueue(*handle, platform);

  // A failing step records its code; a later failing clean-up step replaces
  // it, and the remaining clean-up steps still run.
  int failure = 0;
  if (!Succeeds([&] { return handle->StartDocument(document); })) {
    failure = kRawJobStartDocFailed;
  } else {
    // A page that cannot be started fails the document like the start does.
    if (!Succeeds([&] { return handle->StartPage(); })) {
      failure = kRawJobStartDocFailed;
    } else {
      std::size_t written = 0;
      if (label) handle->DescribeLabel(*label);
      if (!Succeeds([&] { return handle->Write(data, written); }))
        failure = kRawJobWriteFailed;
      else if (written < length)
        failure = kRawJobShortWrite;
      if (!Succeeds([&] { return handle->EndPage(); }))
        failure = kRawJobEndPageFailed;
    }
    if (!Succeeds([&] { return handle->EndDocument(); }))
      failure = kRawJobEndDocFailed;
  }

  if (failure == 0) {
    if (handle->SettlesAfterSubmission())
      WaitOneSecond(*platform.events, *platform.clock);
    else
      ServiceMessages(*platform.events);
  }
  handle.reset();  // closes the printer
  if (failure != 0)
    throw ERAWPrintError(failure, DocumentFailedMessage(document));
  return result;
}

}  // namespace vxcl
