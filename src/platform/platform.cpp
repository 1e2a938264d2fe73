#include "platform/platform.h"

#include "platform/layered_printer_system.h"
#include "platform/virtual_printers.h"

namespace vxcl {

namespace {

Platform& Current() {
  static LayeredPrinterSystem printers(VirtualPrinters(), OsPrinterSystem());
  static Platform platform{&printers, &OsHostEvents(), &OsClock(),
                           &OsFontRasterizer()};
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
