// The label preview: a virtual printer's job, or any command stream, drawn
// as a PNG picture.
#include <string>

#include "exports/copy_out.h"
#include "exports/export_guard.h"
#include "job/commands.h"
#include "job/errors.h"
#include "job/job_state.h"
#include "job/last_error.h"
#include "job/printer_lookup.h"
#include "platform/platform.h"
#include "platform/virtual_printers.h"
#include "preview/png_writer.h"
#include "preview/stream_preview.h"
#include "vxclcmd.h"

using namespace vxcl;
using namespace vxcl::preview;

namespace {

constexpr int kPreviewWritten = 1;
constexpr int kNoSuchJob = 0;
constexpr int kPreviewPathMissing = 160;
constexpr int kPreviewSize = 161;
constexpr int kPreviewWriteFailed = 162;

// The warnings of the last preview, one a line, for VxclPreviewWarnings.
std::string& LastWarnings() {
  static std::string warnings;
  return warnings;
}

// Draws the stream and writes the picture; the result code.
int DrawAndWrite(std::string_view stream, const PreviewMetrics& metrics,
                 const char* pngPath) {
  ClearLastError();
  LastWarnings().clear();
  try {
    const StreamPreview preview =
        PreviewStream(stream, metrics, *CurrentPlatform().fonts);
    for (const std::string& warning : preview.warnings)
      LastWarnings() += warning + "\n";
    WriteFile(pngPath, EncodePng(preview.labels, metrics.dotsPerMm));
  } catch (const PreviewSizeError& error) {
    RecordLastError(error.what());
    return kPreviewSize;
  } catch (const PreviewWriteError& error) {
    RecordLastError(error.what());
    return kPreviewWriteFailed;
  }
  return kPreviewWritten;
}

// The metrics of a job a virtual printer received: the label it recorded,
// or, for jobs without one (the maintenance jobs), the printer's own
// metrics with the label across the whole head.
PreviewMetrics JobMetrics(const char* printer, const VirtualJob& job) {
  PreviewMetrics metrics;
  if (job.label) {
    metrics.dotsPerMm = job.label->dotsPerMm;
    metrics.headWidthDots = job.label->headWidthDots;
    metrics.labelWidthDots = job.label->labelWidthDots;
    metrics.labelLeftDots = job.label->labelLeftDots;
    metrics.labelLengthDots = job.label->labelLengthDots;
    return metrics;
  }
  JobState scratch;
  try {
    if (FindPrinter(*CurrentPlatform().printers, printer, scratch)) {
      metrics.dotsPerMm = scratch.DotsPerMm;
      metrics.headWidthDots = scratch.MaxWidthDots;
    }
  } catch (const ERAWPrintError&) {
    // The defaults stand: 203 dpi, a 104 mm head.
  }
  return metrics;
}

bool MissingPath(const char* path) { return !path || !*path; }

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL VxclVirtualJobPreview(const char* name, int index,
                                             const char* pngPath) {
  return Guarded(kInternalFailure, [&] {
    const char* printer = name ? name : "";
    const auto job = VirtualPrinters().Job(printer, index);
    if (!job) return kNoSuchJob;
    if (MissingPath(pngPath)) return kPreviewPathMissing;
    return DrawAndWrite(job->bytes, JobMetrics(printer, *job), pngPath);
  });
}

VXCL_API int VXCL_CALL VxclPreviewStream(const unsigned char* stream,
                                         int length, int dotsPerInch,
                                         double headWidthMm,
                                         double labelWidthMm,
                                         double labelLengthMm,
                                         const char* pngPath) {
  return Guarded(kInternalFailure, [&] {
    if (MissingPath(pngPath)) return kPreviewPathMissing;
    PreviewMetrics metrics;
    // Resolution and sizes become dots as for a printer the library finds.
    metrics.dotsPerMm = static_cast<int>(dotsPerInch / 25.4L + 0.5L);
    if (dotsPerInch < 1 || metrics.dotsPerMm < 1) return kPreviewSize;
    metrics.headWidthDots = MmToDots(metrics.dotsPerMm, headWidthMm);
    metrics.labelWidthDots = MmToDots(metrics.dotsPerMm, labelWidthMm);
    metrics.labelLengthDots = MmToDots(metrics.dotsPerMm, labelLengthMm);
    if (metrics.headWidthDots < 1 || metrics.labelWidthDots < 0 ||
        metrics.labelLengthDots < 0 ||
        metrics.labelWidthDots > metrics.headWidthDots)
      return kPreviewSize;
    const std::string_view bytes =
        stream && length > 0
            ? std::string_view(reinterpret_cast<const char*>(stream),
                               static_cast<std::size_t>(length))
            : std::string_view();
    return DrawAndWrite(bytes, metrics, pngPath);
  });
}

VXCL_API int VXCL_CALL VxclPreviewWarnings(char* buffer, int capacity) {
  return CopyText(LastWarnings(), buffer, capacity);
}

}  // extern "C"
