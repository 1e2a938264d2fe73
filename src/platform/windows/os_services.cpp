// The operating system's services on Windows: the spooler's printers, the
// thread's message queue, the tick count and GDI's fonts.
#include "platform/platform.h"
#include "platform/windows/gdi_font_rasterizer.h"
#include "platform/windows/message_queue.h"
#include "platform/windows/tick_clock.h"
#include "platform/windows/winspool_printer_system.h"

namespace vxcl {

PrinterSystem& OsPrinterSystem() {
  static WinspoolPrinterSystem printers;
  return printers;
}

HostEventQueue& OsHostEvents() {
  static WindowsMessageQueue events;
  return events;
}

Clock& OsClock() {
  static TickCountClock clock;
  return clock;
}

FontRasterizer& OsFontRasterizer() {
  static GdiFontRasterizer fonts;
  return fonts;
}

}  // namespace vxcl
