// What every element renderer draws with: the placement of the element on
// the label, the fonts, the resolution, and where to report what it could
// not draw.
#ifndef VXCL_PREVIEW_ELEMENT_CONTEXT_H
#define VXCL_PREVIEW_ELEMENT_CONTEXT_H

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/font_rasterizer.h"
#include "preview/findings.h"
#include "preview/placement.h"
#include "preview/warnings.h"

namespace vxcl::preview {

struct ElementContext {
  Placement& placement;
  FontRasterizer& fonts;
  Warnings& warnings;
  int dotsPerMm;
  std::size_t offset;  // of the element's command in the stream
  ElementRecord& record;

  // Notes a fault for the label's findings.
  void Find(FindingKind kind, std::string message) const {
    record.notes.emplace_back(kind, std::move(message));
  }

  // Reports a fault of the element, naming where its command stands.
  void Warn(std::string_view message) const {
    warnings.Add("byte " + std::to_string(offset) + ": " +
                 std::string(message));
  }
};

}  // namespace vxcl::preview

#endif
