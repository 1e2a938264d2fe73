// The operating-system services the library uses, gathered in one place so
// that tests can put fakes in their stead.
#ifndef VXCL_PLATFORM_PLATFORM_H
#define VXCL_PLATFORM_PLATFORM_H

namespace vxcl {

class Clock;
class FontRasterizer;
class HostEventQueue;
class PrinterSystem;

struct Platform {
  PrinterSystem* printers = nullptr;
  HostEventQueue* events = nullptr;
  Clock* clock = nullptr;
  FontRasterizer* fonts = nullptr;
};

// The services in use: the operating system's, behind the virtual printers,
// unless a test replaced them.
const Platform& CurrentPlatform();

// Puts `replacement` in use and returns what was in use before.
Platform ReplacePlatform(const Platform& replacement);

// The operating system's own printers (no virtual printers).
PrinterSystem& OsPrinterSystem();

// The calling thread's event queue (the Windows message queue; none where
// the operating system has no such queue), the millisecond clock, and the
// font system (GDI on Windows, FreeType elsewhere).
HostEventQueue& OsHostEvents();
Clock& OsClock();
FontRasterizer& OsFontRasterizer();

}  // namespace vxcl

#endif
