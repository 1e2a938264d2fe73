// One label as the preview draws it, and how a stream's labels are sized.
#ifndef VXCL_PREVIEW_LABEL_PICTURE_H
#define VXCL_PREVIEW_LABEL_PICTURE_H

#include <optional>
#include <stdexcept>

#include "raster/bitmap.h"

namespace vxcl::preview {

// What the preview knows of the printer and the label before it reads the
// stream. Sizes in printer dots.
struct PreviewMetrics {
  int dotsPerMm = 8;
  int headWidthDots = 832;  // the widest printable line: the picture's width
  // The label across the head: its width (0: the whole head) and where it
  // starts (unknown: at the far edge of the head, or centred when the
  // stream sets a label size with ESC "A1", as the job starts do).
  int labelWidthDots = 0;
  std::optional<int> labelLeftDots;
  // The label's length (0: from the stream's ESC "A1", else as long as
  // what is drawn, in whole millimetres).
  int labelLengthDots = 0;
};

// The print head's width of dots by the label's length; set bits are
// printed dots. The label itself covers columns labelLeft to labelLeft +
// labelWidth - 1; what lies beside it prints nowhere on a real label.
struct LabelPicture {
  OneBitBitmap dots;
  int labelLeft = 0;
  int labelWidth = 0;
  int quantity = -1;  // ESC "Q"; -1 when the label had none
};

// Sizes the preview refuses: no dots at all, or more than it may allocate.
class PreviewSizeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The finest resolution (2540 dpi), the longest side and the most dots a
// label picture may have.
inline constexpr int kMostDotsPerMm = 100;
inline constexpr int kMostPictureSide = 65535;
inline constexpr long long kMostPictureDots = 1LL << 27;

// Throws PreviewSizeError unless the metrics give a picture of at least one
// dot within the limits above (an unknown length counts as one dot).
void CheckMetrics(const PreviewMetrics& metrics);

}  // namespace vxcl::preview

#endif
