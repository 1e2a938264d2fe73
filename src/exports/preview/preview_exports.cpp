// The label preview: a virtual printer's job, or any command stream, drawn
// as a PNG picture.
#include <string>

#include "exports/export_guard.h"
#include "exports/host_values.h"
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

// The warnings of the last preview, one a line, for VxclPreviewWarnings.
std::string& LastWarnings() {
  static std::string warnings;
  return warnings;
}

// Draws the stream and writes the picture. The preview's refusals end here.
Outcome DrawAndWrite(std::string_view stream, const PreviewMetrics& metrics,
                     std::string_view pngPath) {
  ClearLastError();
  LastWarnings().clear();
  try {
    const StreamPreview preview =
        PreviewStream(stream, metrics, *CurrentPlatform().fonts);
    for (const std::string& warning : preview.warnings)
      LastWarnings() += warning + "\n";
    WriteFile(std::string(pngPath),
              EncodePng(preview.labels, metrics.dotsPerMm));
  } catch (const PreviewSizeError& error) {
    return {VXCL_PREVIEW_SIZE, error.what()};
  } catch (const PreviewWriteError& error) {
    return {VXCL_PREVIEW_WRITE, error.what()};
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
  return Guarded(VXCL_INTERNAL_FAILURE, [&]() -> Outcome {
    const std::string_view printer = HostString(name);
    const auto job = VirtualPrinters().Job(printer, index);
    if (!job) return VXCL_NO_JOB;
    const std::string_view path = HostString(pngPath);
    if (path.empty()) return VXCL_PREVIEW_PATH;
    return DrawAndWrite(job->bytes, JobMetrics(printer, *job), path);
  });
}

VXCL_API int VXCL_CALL VxclPreviewStream(const unsigned char* stream,
                                         int length, int dotsPerInch,
                                         double headWidthMm,
                                         double labelWidthMm,
                                         double labelLengthMm,
                                         const char* pngPath) {
  return Guarded(VXCL_INTERNAL_FAILURE, [&]() -> Outcome {
    const std::string_view path = HostString(pngPath);
    if (path.empty()) return VXCL_PREVIEW_PATH;
    PreviewMetrics metrics;
    // Resolution and sizes become dots as for a printer the library finds.
    metrics.dotsPerMm = static_cast<int>(dotsPerInch / 25.4L + 0.5L);
    if (dotsPerInch < 1 || metrics.dotsPerMm < 1) return VXCL_PREVIEW_SIZE;
    metrics.headWidthDots = MmToDots(metrics.dotsPerMm, headWidthMm);
    metrics.labelWidthDots = MmToDots(metrics.dotsPerMm, labelWidthMm);
    metrics.labelLengthDots = MmToDots(metrics.dotsPerMm, labelLengthMm);
    if (metrics.headWidthDots < 1 || metrics.labelWidthDots < 0 ||
        metrics.labelLengthDots < 0 ||
        metrics.labelWidthDots > metrics.headWidthDots)
      return VXCL_PREVIEW_SIZE;
    return DrawAndWrite(HostBytes(stream, length), metrics, path);
  });
}

VXCL_API int VXCL_CALL VxclPreviewWarnings(char* buffer, int capacity) {
  // Under the lock: a preview on another thread rewrites the warnings.
  return Guarded(0, [&] { return CopyText(LastWarnings(), buffer, capacity); });
}

}  // extern "C"
