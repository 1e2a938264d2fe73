#include "preview/stream_preview.h"

#include "preview/interpreter.h"
#include "preview/warnings.h"

namespace vxcl::preview {

StreamPreview PreviewStream(std::string_view stream,
                            const PreviewMetrics& metrics,
                            FontRasterizer& fonts) {
  CheckMetrics(metrics);
  Warnings warnings;
  Findings findings;
  StreamPreview preview;
  preview.labels = Interpreter(metrics, fonts, warnings, findings).Run(stream);
  preview.warnings = warnings.All();
  preview.findings = findings.All();
  return preview;
}

}  // namespace vxcl::preview
