#include "preview/label_picture.h"

#include <string>

namespace vxcl::preview {

void CheckMetrics(const PreviewMetrics& m) {
  if (m.dotsPerMm < 1 || m.dotsPerMm > kMostDotsPerMm)
    throw PreviewSizeError("resolution out of range: " +
                           std::to_string(m.dotsPerMm) + " dots per mm");
  if (m.headWidthDots < 1 || m.headWidthDots > kMostPictureSide)
    throw PreviewSizeError("print head width out of range: " +
                           std::to_string(m.headWidthDots) + " dots");
  if (m.labelWidthDots < 0 || m.labelWidthDots > m.headWidthDots)
    throw PreviewSizeError("label width out of range: " +
                           std::to_string(m.labelWidthDots) + " dots");
  if (m.labelLengthDots < 0 || m.labelLengthDots > kMostPictureSide ||
      static_cast<long long>(m.labelLengthDots) * m.headWidthDots >
          kMostPictureDots)
    throw PreviewSizeError("label length out of range: " +
                           std::to_string(m.labelLengthDots) + " dots");
}

}  // namespace vxcl::preview
