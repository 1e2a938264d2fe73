// The host services outside Windows: no message queue, a steady clock,
// FreeType fonts and text that is UTF-8 on both sides (files: host_files.cpp).
#include "platform/clock.h"
#include "platform/host_events.h"
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

std::string FromHostCodePage(std::string_view hostText) {
  return std::string(hostText);
}

std::string MessageForHost(std::string_view utf8) { return std::string(utf8); }

}  // namespace vxcl
