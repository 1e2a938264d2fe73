#include "preview/graphic_renderer.h"

#include <string>
#include <vector>

#include "preview/parameters.h"

namespace vxcl::preview {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

void DrawGraphic(const ElementContext& context, std::string_view body,
                 bool hex) {
  Placement& placement = context.placement;
  const char* name = hex ? "GH" : "GB";
  Parameters p(body);
  const auto rowBytes = p.Digits(3);
  const auto blocks = p.Digits(3);
  if (!rowBytes || !blocks) {
    context.Warn(std::string("graphic ESC \"") + name +
                 "\" without its two three-digit sizes: not drawn");
    return;
  }
  const std::string_view data = p.Rest();
  const std::size_t perRow = static_cast<std::size_t>(*rowBytes);
  const std::size_t stride = hex ? 2 * perRow : perRow;
  const long long rows = 8LL * *blocks;
  if (perRow == 0 || rows == 0) return;
  const long long present = static_cast<long long>(data.size() / stride);
  if (present < rows)
    context.Warn(std::string("graphic ESC \"") + name +
                 "\" cut short: " + std::to_string(present) + " of " +
                 std::to_string(rows) + " rows present");

  const int width = static_cast<int>(perRow * 8);
  std::vector<std::uint8_t> decoded(hex ? perRow : 0);
  bool badHex = false;
  for (long long y = 0; y < rows && y < present; ++y) {
    if (!placement.Visible({0, y, width, 1})) continue;
    const char* row = data.data() + y * stride;
    const std::uint8_t* bits = reinterpret_cast<const std::uint8_t*>(row);
    if (hex) {
      for (std::size_t i = 0; i < perRow; ++i) {
        const int high = HexValue(row[2 * i]), low = HexValue(row[2 * i + 1]);
        badHex |= high < 0 || low < 0;
        decoded[i] = static_cast<std::uint8_t>(
            high < 0 || low < 0 ? 0 : high * 16 + low);
      }
      bits = decoded.data();
    }
    placement.OrRow(0, y, bits, width);
  }
  if (badHex)
    context.Warn(
        "graphic ESC \"GH\" holds characters that are not hex digits: drawn "
        "white");
}

}  // namespace vxcl::preview
