#include "preview/line_box_renderer.h"

#include <algorithm>
#include <string>

#include "preview/command_reader.h"
#include "preview/parameters.h"

namespace vxcl::preview {

namespace {

// Sizes beyond this cannot be meant; they are cut to it, which is far
// beyond any label anyway.
constexpr long long kMostSize = 1LL << 30;

long long Bounded(long long size) {
  return size > kMostSize ? kMostSize : size;
}

void Malformed(const ElementContext& context, std::string_view command,
               std::string_view body) {
  context.Warn("malformed ESC \"" + std::string(command) + Shown(body) +
               "\": not drawn");
}

void DrawBox(Placement& placement, long long across, long long upright,
             long long width, long long height) {
  // Sides thicker than the box fill it.
  across = std::min(across, height);
  upright = std::min(upright, width);
  placement.Fill({0, 0, width, across});
  placement.Fill({0, height - across, width, across});
  placement.Fill({0, 0, upright, height});
  placement.Fill({width - upright, 0, upright, height});
}

void NegativeSize(const ElementContext& context, const char* what,
                  long long width, long long height) {
  context.Find(FindingKind::NegativeSize,
               std::string(what) + " of negative size (" +
                   std::to_string(std::min(width, height)) +
                   " dots): nothing prints");
}

}  // namespace

void DrawLineOrBox(const ElementContext& context, std::string_view body) {
  Placement& placement = context.placement;
  Parameters p(body);
  const auto first = p.Digits(2);
  if (!first) return Malformed(context, "FW", body);
  if (const auto second = p.Digits(2)) {
    std::optional<long long> width, height;
    for (int part = 0; part < 2; ++part) {
      if (p.Take('H'))
        width = p.Number(9, true);
      else if (p.Take('V'))
        height = p.Number(9, true);
    }
    if (!width || !height) return Malformed(context, "FW", body);
    if (*width < 0 || *height < 0)
      NegativeSize(context, "box", *width, *height);
    if (*width <= 0 || *height <= 0 || *first == 0 || *second == 0) {
      context.Warn("box ESC \"FW" + Shown(body) +
                   "\" has no size or no thickness: not drawn");
      return;
    }
    DrawBox(placement, *first, *second, Bounded(*width), Bounded(*height));
    return;
  }
  const auto direction = p.Char();
  const auto length = p.Number(9, true);
  if (!direction || (*direction != 'H' && *direction != 'V') || !length)
    return Malformed(context, "FW", body);
  if (*length < 0) NegativeSize(context, "line", *length, *length);
  if (*length <= 0 || *first == 0) {
    context.Warn("line ESC \"FW" + Shown(body) +
                 "\" has no length or no thickness: not drawn");
    return;
  }
  if (*direction == 'H')
    placement.Fill({0, 0, Bounded(*length), *first});
  else
    placement.Fill({0, 0, *first, Bounded(*length)});
}

void ReverseArea(const ElementContext& context, std::string_view body) {
  Parameters p(body);
  const auto width = p.Number(9, true);
  const bool comma = p.Take(',');
  const auto height = p.Number(9, true);
  if (!width || !comma || !height) return Malformed(context, "(", body);
  if (*width < 0 || *height < 0)
    NegativeSize(context, "reversed area", *width, *height);
  if (*width <= 0 || *height <= 0) {
    context.Warn("reversed area ESC \"(" + Shown(body) +
                 "\" has no size: nothing reversed");
    return;
  }
  context.placement.Invert({0, 0, Bounded(*width), Bounded(*height)});
}

}  // namespace vxcl::preview
