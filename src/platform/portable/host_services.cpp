// The host services outside Windows: no message queue, a steady clock,
// FreeType fonts and file names taken byte for byte.
#include "platform/clock.h"
#include "platform/host_events.h"
#include "platform/host_files.h"
#include "platform/host_text.h"
#include "platform/platform.h"
#include "platform/portable/freetype_font_rasterizer.h"

namespace vxcl {

HostEventQueue& OsHostEvents() {
  static NoHostEvents events;
  return events;
}

Clock& OsClock() {
  static SteadyClock clock;
  return clock;
}

FontRasterizer& OsFontRasterizer() {
  static FreeTypeFontRasterizer fonts;
  return fonts;
}

std::filesystem::path HostFilePath(std::string_view hostName) {
  return std::filesystem::path(hostName);
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "rb");
}

}  // namespace vxcl
