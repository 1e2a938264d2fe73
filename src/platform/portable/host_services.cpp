// The host services outside Windows: no message queue, a steady clock,
// FreeType fonts (text: host_encoding.cpp; files: host_files.cpp).
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

}  // namespace vxcl
