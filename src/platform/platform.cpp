#include "platform/platform.h"

#include "platform/freetype_font_rasterizer.h"
#include "platform/layered_printer_system.h"
#include "platform/virtual_printers.h"

namespace vxcl {

namespace {

Platform& Current() {
  static SteadyClock clock;
  static NoHostEvents events;
  static LayeredPrinterSystem printers(VirtualPrinters(), OsPrinterSystem());
  static FreeTypeFontRasterizer fonts;
  static Platform platform{&printers, &events, &clock, &fonts};
  return platform;
}

}  // namespace

const Platform& CurrentPlatform() { return Current(); }

Platform ReplacePlatform(const Platform& replacement) {
  Platform previous = Current();
  Current() = replacement;
  return previous;
}

}  // namespace vxcl
