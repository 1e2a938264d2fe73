#include "job/raw_job.h"

#include <optional>

#include "job/host_wait.h"
#include "job/library_lock.h"
#include "job/printer_lookup.h"
#include "platform/host_text.h"
#include "platform/platform.h"
#include "platform/spooler_limits.h"

namespace vxcl {

namespace {

// A failed job enumeration is retried for this long; after that the queue
// counts as empty and the submission goes ahead.
constexpr std::uint32_t kEnumerationRetryMs = 5000;
constexpr unsigned kEnumerationRetryPauseMs = 10;
constexpr int kMostQueuedJobs = 2;

// The spooler's messages keep their original Traditional Chinese wording;
// the quotation marks around a name are part of the message.

// "The selected "NAME" printer cannot be used."
std::string PrinterUnusableMessage(std::string_view printerName) {
  return "所選擇的 \"" + FromHostCodePage(printerName) + "\" 印表機無法使用.";
}

// "An error occurred while printing the "NAME" document."
std::string DocumentFailedMessage(std::string_view documentName) {
  return "列印 \"" + FromHostCodePage(documentName) + "\" 文件發生錯誤.";
}

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

// "the queue of "NAME" still holds N jobs after S s; nothing was sent"
std::string QueueFullMessage(std::string_view printerName, int queued,
                             int seconds) {
  return "the queue of \"" + FromHostCodePage(printerName) + "\" still holds " +
         std::to_string(queued) + " jobs after " + std::to_string(seconds) +
         " s; nothing was sent (VxclSetSpoolerTimeout sets how long to wait)";
}

// Waits, a second at a time, until the queue holds at most two jobs. The
// jobs still queued when the host's limit runs out first.
std::optional<int> WaitForRoom(Printer& printer, const Platform& platform,
                               int limitSeconds) {
  const std::uint64_t limitMs = static_cast<std::uint64_t>(limitSeconds) * 1000;
  std::uint64_t waitedMs = 0;
  std::uint32_t last = platform.clock->TickCountMs();
  for (;;) {
    const int queued = QueuedJobs(printer, platform);
    ServiceMessages(*platform.events);
    const std::uint32_t now = platform.clock->TickCountMs();
    waitedMs += now - last;  // the counter may wrap
    last = now;
    if (queued <= kMostQueuedJobs) return std::nullopt;
    if (limitSeconds > 0 && waitedMs >= limitMs) return queued;
    std::uint64_t pause = 1000;
    if (limitSeconds > 0 && limitMs - waitedMs < pause)
      pause = limitMs - waitedMs;
    WaitServicing(*platform.events, *platform.clock,
                  static_cast<std::uint32_t>(pause));
  }
}

}  // namespace

Expected<std::string> ReadDefaultPrinterName(PrinterSystem& printers) {
  std::optional<std::string> name = printers.DefaultPrinterName();
  if (!name) return Outcome(VXCL_SPOOL_DEFAULT_PRINTER, "無預設印表機.");
  return std::move(*name);
}

Outcome SubmitRawJob(const Platform& current, std::string printer,
                     std::string_view document, std::string_view data,
                     const LabelLayout* label) {
  // Everything below may wait on the print system, so it runs without the
  // library's lock, on copies: the caller's job is already closed.
  const Platform platform = current;
  const int limitSeconds = QueueWaitSeconds();
  const WithoutLibraryLock unlocked;
  VxclResult result = VXCL_OK;
  if (printer.empty()) {
    Expected<std::string> fallback = ReadDefaultPrinterName(*platform.printers);
    if (!fallback) return std::move(fallback.Failure());
    printer = std::move(*fallback);
    result = VXCL_SPOOL_DEFAULT_PRINTER;
  }
  if (printer.empty()) return result;
  const std::size_t length = data.size();

  std::unique_ptr<Printer> handle = platform.printers->Open(printer);
  if (!handle && !platform.printers->LastOpenStalled()) {
    // The job was opened on the printer the lookup matched, whose name may
    // differ from the host's text by surrounding blanks: send it there.
    const auto installed = MatchPrinterName(*platform.printers, printer);
    if (installed && *installed != printer)
      handle = platform.printers->Open(*installed);
  }
  if (!handle) return {VXCL_SPOOL_OPEN, PrinterUnusableMessage(printer)};
  if (const auto queued = WaitForRoom(*handle, platform, limitSeconds))
    return {VXCL_SPOOL_QUEUE_FULL,
            QueueFullMessage(printer, *queued, limitSeconds)};

  // A failing step records its code; a later failing clean-up step replaces
  // it, and the remaining clean-up steps still run.
  std::optional<VxclResult> failure;
  if (!Succeeds([&] { return handle->StartDocument(document); })) {
    failure = VXCL_SPOOL_START_DOC;
  } else {
    // A page that cannot be started fails the document like the start does.
    if (!Succeeds([&] { return handle->StartPage(); })) {
      failure = VXCL_SPOOL_START_DOC;
    } else {
      std::size_t written = 0;
      if (label) handle->DescribeLabel(*label);
      if (!Succeeds([&] { return handle->Write(data, written); }))
        failure = VXCL_SPOOL_WRITE;
      else if (written < length)
        failure = VXCL_SPOOL_SHORT_WRITE;
      if (!Succeeds([&] { return handle->EndPage(); }))
        failure = VXCL_SPOOL_END_PAGE;
    }
    if (!Succeeds([&] { return handle->EndDocument(); }))
      failure = VXCL_SPOOL_END_DOC;
  }

  if (!failure) {
    if (handle->SettlesAfterSubmission())
      WaitOneSecond(*platform.events, *platform.clock);
    else
      ServiceMessages(*platform.events);
  }
  handle.reset();  // closes the printer
  if (failure) return {*failure, DocumentFailedMessage(document)};
  return result;
}

}  // namespace vxcl
