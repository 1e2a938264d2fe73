#include "job_tracker.h"

#include <algorithm>

#include "export_table.h"
#include "result_codes.h"
#include "vxclcmd.h"

namespace vxlabel {

namespace {

bool IsMaintenanceJob(std::string_view name) {
  return name == "PrnCXCalibrate" || name == "PrnCTDefault";
}

// Calls that set the job's ending or touch no job: they add no bytes where
// the elements go.
bool AddsToLabel(std::string_view name) {
  return name != "PrnQty" && name != "PrnCutter" && name != "PrnEnd" &&
         !IsJobStart(name) && !IsMaintenanceJob(name) &&
         !name.starts_with("Vxcl");
}

constexpr char kScratchPrinter[] = "vxlabel layout scratch";
// What the scratch jobs end with: a quantity of 1 and the label's end.
constexpr std::string_view kScratchEnding = "\x1bQ1\x1bZ\x03";

// The length of the job the start call alone, or with `element`, sends;
// nullopt when it is not sent.
std::optional<std::size_t> ScratchLength(const Call& start,
                                         const Call* element) {
  Call scratchStart = start;
  scratchStart.args[0].kind = Value::Kind::Text;
  scratchStart.args[0].text = kScratchPrinter;
  const int started = FindExport(start.name)->invoke(scratchStart);
  if (MeaningOf(start.name, started).refusal) return std::nullopt;
  if (element) FindExport(element->name)->invoke(*element);
  if (PrnQty(1) != 1 || PrnEnd() != 1) return std::nullopt;
  const int count = VxclVirtualJobCount(kScratchPrinter);
  const int length = VxclVirtualJob(kScratchPrinter, count - 1, nullptr, 0);
  if (length < static_cast<int>(kScratchEnding.size())) return std::nullopt;
  return static_cast<std::size_t>(length) - kScratchEnding.size();
}

}  // namespace

bool IsJobStart(std::string_view name) { return name.starts_with("PrnInit"); }

void JobTracker::Follow(const Call& call, int result,
                        const std::string& printer) {
  const bool refused = MeaningOf(call.name, result).refusal;
  if (IsJobStart(call.name)) {
    // A job start drops the open job, refused or not.
    open_.reset();
    if (!refused) open_ = SentJob{printer, 0, &call, {}, nullptr};
  } else if (IsMaintenanceJob(call.name)) {
    // Sent or failed in the spooler, it closes the label job; a printer
    // not found (0) or too coarse (4) keeps it.
    if (result != VXCL_NO_JOB && result != VXCL_RESOLUTION_TOO_LOW)
      open_.reset();
  } else if (call.name == "PrnEnd") {
    if (open_ && result == VXCL_OK) {
      open_->end = &call;
      open_->index = VxclVirtualJobCount(open_->printer.c_str()) - 1;
      sent_.push_back(std::move(*open_));
    }
    open_.reset();
  } else if (open_ && AddsToLabel(call.name)) {
    open_->elements.push_back(&call);
  }
}

std::optional<JobLayout> ReplayLayout(const SentJob& job, int dotsPerInch,
                                      int maxWidthMm, int maxHeightMm) {
  if (!VxclAddVirtualPrinter(kScratchPrinter, dotsPerInch, maxWidthMm,
                             maxHeightMm))
    return std::nullopt;
  std::optional<JobLayout> layout;
  if (const auto header = ScratchLength(*job.start, nullptr)) {
    layout.emplace();
    layout->headerEnd = *header;
    std::size_t end = *header;
    for (const Call* element : job.elements) {
      const auto withElement = ScratchLength(*job.start, element);
      if (withElement && *withElement >= *header) end += *withElement - *header;
      layout->elementEnds.push_back(end);
    }
  }
  VxclRemoveVirtualPrinter(kScratchPrinter);
  return layout;
}

int LineOfOffset(const SentJob& job, const JobLayout& layout,
                 long long offset) {
  if (offset < 0 || static_cast<std::size_t>(offset) < layout.headerEnd)
    return job.start->line;
  const auto at =
      std::upper_bound(layout.elementEnds.begin(), layout.elementEnds.end(),
                       static_cast<std::size_t>(offset));
  if (at == layout.elementEnds.end()) return job.end->line;
  return job
      .elements[static_cast<std::size_t>(at - layout.elementEnds.begin())]
      ->line;
}

}  // namespace vxlabel
