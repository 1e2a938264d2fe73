// The preview of a whole command stream: its labels drawn as the printer
// would print them, and what could not be drawn so.
#ifndef VXCL_PREVIEW_STREAM_PREVIEW_H
#define VXCL_PREVIEW_STREAM_PREVIEW_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/font_rasterizer.h"
#include "preview/findings.h"
#include "preview/label_picture.h"

namespace vxcl::preview {

struct StreamPreview {
  std::vector<LabelPicture> labels;  // at least one
  std::vector<std::string> warnings;
  std::vector<Finding> findings;  // of the labels drawn
};

// Reads any stream, from the library or elsewhere: unknown commands are
// skipped with a warning, malformed ones drawn as far as they go. Throws
// PreviewSizeError for metrics that CheckMetrics refuses.
StreamPreview PreviewStream(std::string_view stream,
                            const PreviewMetrics& metrics,
                            FontRasterizer& fonts);

}  // namespace vxcl::preview

#endif
