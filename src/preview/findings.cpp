#include "preview/findings.h"

#include <algorithm>

namespace vxcl::preview {

namespace {

DotRect Intersection(const DotRect& a, const DotRect& b) {
  const long long x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const long long x1 = std::min(a.x + a.width, b.x + b.width);
  const long long y1 = std::min(a.y + a.height, b.y + b.height);
  return {x0, y0, x1 - x0, y1 - y0};
}

bool Overlap(const ElementRecord& a, const ElementRecord& b) {
  const std::vector<DotRect> ownA{a.drawn}, ownB{b.drawn};
  const auto& partsA = a.parts.empty() ? ownA : a.parts;
  const auto& partsB = b.parts.empty() ? ownB : b.parts;
  for (const DotRect& p : partsA)
    for (const DotRect& q : partsB)
      if (!Intersection(p, q).Empty()) return true;
  return false;
}

// "40 dots beyond the right edge and 8 beyond the bottom edge".
std::string Beyond(const DotRect& r, const LabelArea& area) {
  std::string text;
  const auto add = [&](long long dots, const char* edge) {
    if (dots <= 0) return;
    text += text.empty() ? "" : " and ";
    text += std::to_string(dots) + " dots beyond the " + edge + " edge";
  };
  add(area.left - r.x, "left");
  add(r.x + r.width - (area.left + area.width), "right");
  add(-r.y, "top");
  add(r.y + r.height - area.length, "bottom");
  return text;
}

std::string Size(const LabelArea& area) {
  return std::to_string(area.width) + " x " + std::to_string(area.length) +
         " dots";
}

}  // namespace

void Findings::Add(Finding finding) {
  if (kept_.size() < kMostKept) kept_.push_back(std::move(finding));
}

void Findings::ReviewLabel(int label, const LabelArea& area,
                           const std::vector<ElementRecord>& elements) {
  const DotRect labelRect{area.left, 0, area.width, area.length};
  const auto onLabel = [&](const DotRect& r) {
    return DotRect{r.x - area.left, r.y, r.width, r.height};
  };
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const ElementRecord& e = elements[i];
    const auto offset = static_cast<long long>(e.offset);
    for (const auto& [kind, message] : e.notes)
      Add({kind, label, offset, -1, onLabel(e.drawn), message});
    if (e.drawn.Empty()) continue;
    const DotRect inside = Intersection(e.drawn, labelRect);
    const char* what = e.barcode ? "the barcode" : "the element";
    if (inside.Empty()) {
      Add({FindingKind::OutsideLabel, label, offset, -1, onLabel(e.drawn),
           std::string(what) + " lies wholly outside the " + Size(area) +
               " label (" + Beyond(e.drawn, area) + "): nothing of it prints"});
    } else if (inside.width != e.drawn.width ||
               inside.height != e.drawn.height) {
      Add({e.barcode ? FindingKind::BarcodeCut : FindingKind::PartlyOutside,
           label, offset, -1, onLabel(e.drawn),
           std::string(what) + " reaches " + Beyond(e.drawn, area) +
               " of the " + Size(area) + " label: " +
               (e.barcode ? "the symbol is cut and may not scan"
                          : "that part does not print")});
    }
    if (!e.barcode) continue;
    for (std::size_t j = 0; j < elements.size(); ++j) {
      const ElementRecord& other = elements[j];
      // A pair of barcodes is reported once.
      if (j == i || other.drawn.Empty() || (other.barcode && j < i) ||
          !Overlap(e, other))
        continue;
      Add({FindingKind::BarcodeOverlap, label, offset,
           static_cast<long long>(other.offset), onLabel(e.drawn),
           "the barcode overlaps " +
               std::string(other.barcode ? "the barcode" : "the element") +
               " at byte " + std::to_string(other.offset) +
               ": the symbol may not scan"});
    }
  }
}

}  // namespace vxcl::preview
