// What the printer remembers while it reads a stream: settings that last
// from label to label, and those that last until the label's ESC "Z".
#ifndef VXCL_PREVIEW_LABEL_STATE_H
#define VXCL_PREVIEW_LABEL_STATE_H

#include <optional>
#include <vector>

#include "preview/barcode/data_matrix_renderer.h"
#include "preview/barcode/variable_ratio_renderer.h"
#include "preview/findings.h"
#include "preview/printer_text.h"
#include "raster/bitmap.h"

namespace vxcl::preview {

// Kept across labels (the printer stores them).
struct PrinterSettings {
  long long baseH = 0, baseV = 0;  // ESC "A3": the base reference point
  int sizeLength = 0;              // ESC "A1": the label's length, 0: none
  bool longPrintArea = false;      // ESC "EX0" or "AX" rather than "AR"
};

// Reset by ESC "Z" (and by a new ESC "A").
struct LabelState {
  bool open = false;
  int rotation = 0;  // ESC "%"
  long long h = 0, v = 0;
  TextSettings text;
  std::optional<VectorFont> vectorFont;
  std::optional<VariableRatio> variableRatio;
  std::optional<DataMatrixSettings> dataMatrix;
  int quantity = -1;  // ESC "Q"; -1: none yet
  bool drawn = false;
  std::optional<OneBitBitmap> canvas;  // made by the first element
  bool autoLength = false;  // the length is what is drawn, cut at the end
  std::vector<ElementRecord> elements;  // what each element drew
};

}  // namespace vxcl::preview

#endif
