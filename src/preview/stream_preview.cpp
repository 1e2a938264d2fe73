#include "preview/stream_preview.h"

#include "preview/interpreter.h"
#include "preview/warnings.h"

namespace vxcl::preview {

StreamPreview PreviewStream(std::string_view stream,
                            const PreviewMetrics& metrics,
                            FontRasterizer& fonts) {
  CheckMetrics(metrics);
  Warnings warnings;
  StreamPreview preview;
  preview.labels = Interpreter(metrics, fonts, warnings).Run(stream);
  preview.warnings = warnings.All();
  return preview;
}

}  // namespace vxcl::preview
