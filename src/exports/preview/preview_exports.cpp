// The label preview: a virtual printer's job, or any command stream, drawn
// as a PNG picture.
#include <algorithm>
#include <string>
#include <vector>

#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/printer_lookup.h"
#include "platform/platform.h"
#include "platform/virtual_printers.h"
#include "preview/png_writer.h"
#include "preview/stream_preview.h"
#include "vxclcmd.h"

using namespace vxcl;
using namespace vxcl::preview;

namespace {

constexpr const char* kNoPath = "PngPath is null or empty; nothing drawn";

// The warnings of the last preview, one a line, for VxclPreviewWarnings.
std::string& LastWarnings() {
  static std::string warnings;
  return warnings;
}

// The findings of the last preview, for VxclPreviewFinding.
std::vector<Finding>& LastFindings() {
  static std::vector<Finding> findings;
  return findings;
}

static_assert(
    static_cast<int>(FindingKind::OutsideLabel) == VXCL_FOUND_OUTSIDE_LABEL &&
    static_cast<int>(FindingKind::BarcodeOverlap) ==
        VXCL_FOUND_BARCODE_OVERLAP &&
    static_cast<int>(FindingKind::UndrawableText) ==
        VXCL_FOUND_UNDRAWABLE_TEXT &&
    static_cast<int>(FindingKind::FaceReplaced) == VXCL_FOUND_FACE_REPLACED &&
    static_cast<int>(FindingKind::NegativeSize) == VXCL_FOUND_NEGATIVE_SIZE);

// Draws the stream and writes the picture. The preview's refusals end here.
Outcome DrawAndWrite(std::string_view stream, const PreviewMetrics& metrics,
                     std::string_view pngPath) {
  ClearLastError();
  LastWarnings().clear();
  LastFindings().clear();
  try {
    StreamPreview preview =
        PreviewStream(stream, metrics, *CurrentPlatform().fonts);
    for (const std::string& warning : preview.warnings)
      LastWarnings() += warning + "\n";
    LastFindings() = std::move(preview.findings);
    WriteFile(std::string(pngPath),
              EncodePng(preview.labels, metrics.dotsPerMm));
  } catch (const PreviewSizeError& error) {
    return {VXCL_PREVIEW_SIZE, std::string(error.what()) + "; nothing drawn"};
  } catch (const PreviewWriteError& error) {
    return {VXCL_PREVIEW_WRITE, "PngPath " + QuotedName(pngPath) + ": " +
                                    error.what() + "; nothing written"};
  }
  return VXCL_OK;
}

// The metrics of a job a virtual printer received: the label it recorded,
// or, for jobs without one (the maintenance jobs), the printer's own
// metrics with the label across the whole head.
PreviewMetrics JobMetrics(std::string_view printer, const VirtualJob& job) {
  PreviewMetrics metrics;
  if (job.label) {
    metrics.dotsPerMm = job.label->dotsPerMm;
    metrics.headWidthDots = job.label->headWidthDots;
    metrics.labelWidthDots = job.label->labelWidthDots;
    metrics.labelLeftDots = job.label->labelLeftDots;
    metrics.labelLengthDots = job.label->labelLengthDots;
    return metrics;
  }
  // Without the printer's metrics the defaults stand: 203 dpi, a 104 mm
  // head.
  Expected<PrinterMetrics> found =
      LookUpPrinter(*CurrentPlatform().printers, printer);
  if (found) {
    metrics.dotsPerMm = found->dotsPerMm;
    metrics.headWidthDots = found->maxWidthDots;
  }
  return metrics;
}

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL VxclVirtualJobPreview(const char* name, int index,
                                             const char* pngPath) {
  return Guarded(
      "VxclVirtualJobPreview", VXCL_INTERNAL_FAILURE, [&]() -> Outcome {
        const std::string_view printer = HostString(name);
        const auto job = VirtualPrinters().Job(printer, index);
        if (!job)
          return Outcome(VXCL_NO_JOB, "virtual printer " + QuotedName(printer) +
                                          " has no job " + Number(index) +
                                          " (or there is no such printer); "
                                          "nothing drawn");
        const std::string_view path = HostString(pngPath);
        if (path.empty()) return Outcome(VXCL_PREVIEW_PATH, kNoPath);
        return DrawAndWrite(job->bytes, JobMetrics(printer, *job), path);
      });
}

VXCL_API int VXCL_CALL VxclPreviewStream(const unsigned char* stream,
                                         int length, int dotsPerInch,
                                         double headWidthMm,
                                         double labelWidthMm,
                                         double labelLengthMm,
                                         const char* pngPath) {
  return Guarded("VxclPreviewStream", VXCL_INTERNAL_FAILURE, [&]() -> Outcome {
    const std::string_view path = HostString(pngPath);
    if (path.empty()) return Outcome(VXCL_PREVIEW_PATH, kNoPath);
    PreviewMetrics metrics;
    // Resolution and sizes become dots as for a printer the library finds.
    metrics.dotsPerMm = static_cast<int>(dotsPerInch / 25.4L + 0.5L);
    if (dotsPerInch < 1 || metrics.dotsPerMm < 1)
      return Outcome(VXCL_PREVIEW_SIZE,
                     "DotsPerInch " + Number(dotsPerInch) +
                         " is not 13 or more (1 dot per mm); nothing drawn");
    metrics.headWidthDots = MmToDots(metrics.dotsPerMm, headWidthMm);
    metrics.labelWidthDots = MmToDots(metrics.dotsPerMm, labelWidthMm);
    metrics.labelLengthDots = MmToDots(metrics.dotsPerMm, labelLengthMm);
    if (metrics.headWidthDots < 1)
      return Outcome(VXCL_PREVIEW_SIZE,
                     "HeadWidthMm " + Millimetres(headWidthMm) +
                         " is less than a dot; nothing drawn");
    if (metrics.labelWidthDots < 0 ||
        metrics.labelWidthDots > metrics.headWidthDots)
      return Outcome(VXCL_PREVIEW_SIZE,
                     "LabelWidthMm " + Millimetres(labelWidthMm) +
                         " is not 0 to HeadWidthMm " +
                         Millimetres(headWidthMm) + "; nothing drawn");
    if (metrics.labelLengthDots < 0)
      return Outcome(VXCL_PREVIEW_SIZE, "LabelLengthMm " +
                                            Millimetres(labelLengthMm) +
                                            " is negative; nothing drawn");
    return DrawAndWrite(HostBytes(stream, length), metrics, path);
  });
}

VXCL_API int VXCL_CALL VxclPreviewWarnings(char* buffer, int capacity) {
  // Under the lock: a preview on another thread rewrites the warnings.
  return GuardedReading(
      0, [&] { return CopyText(LastWarnings(), buffer, capacity); });
}

VXCL_API int VXCL_CALL VxclPreviewFindingCount(void) {
  return GuardedReading(0, [] { return static_cast<int>(LastFindings().size()); });
}

VXCL_API int VXCL_CALL VxclPreviewFinding(int index, int* fields,
                                          int fieldCount, char* message,
                                          int capacity) {
  return GuardedReading(-1, [&] {
    const std::vector<Finding>& all = LastFindings();
    if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return -1;
    const Finding& f = all[static_cast<std::size_t>(index)];
    const int values[VXCL_FINDING_FIELDS] = {
        static_cast<int>(f.kind),
        f.label,
        Saturated(f.offset),
        Saturated(f.otherOffset),
        Saturated(f.extent.x),
        Saturated(f.extent.y),
        Saturated(f.extent.Empty() ? 0 : f.extent.width),
        Saturated(f.extent.Empty() ? 0 : f.extent.height)};
    if (fields)
      for (int i = 0; i < std::min<int>(fieldCount, VXCL_FINDING_FIELDS); ++i)
        fields[i] = values[i];
    return CopyText(f.message, message, capacity);
  });
}

}  // extern "C"
