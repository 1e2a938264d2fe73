// The library's own extensions: virtual printers and the last error.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "platform/host_text.h"
#include "platform/virtual_printers.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL VxclAddVirtualPrinter(const char* name, int dotsPerInch,
                                             int maxWidthMm, int maxHeightMm) {
  return Guarded(0, [&] {
    return VirtualPrinters().Add(HostString(name), dotsPerInch, maxWidthMm,
                                 maxHeightMm)
               ? 1
               : 0;
  });
}

VXCL_API int VXCL_CALL VxclRemoveVirtualPrinter(const char* name) {
  return Guarded(
      0, [&] { return VirtualPrinters().Remove(HostString(name)) ? 1 : 0; });
}

VXCL_API int VXCL_CALL VxclVirtualJobCount(const char* name) {
  return Guarded(-1, [&] {
    return VirtualPrinters().JobCount(HostString(name)).value_or(-1);
  });
}

VXCL_API int VXCL_CALL VxclVirtualJob(const char* name, int index,
                                      unsigned char* buffer, int capacity) {
  return Guarded(-1, [&] {
    auto job = VirtualPrinters().Job(HostString(name), index);
    return job ? CopyBytes(job->bytes, buffer, capacity) : -1;
  });
}

VXCL_API int VXCL_CALL VxclVirtualJobName(const char* name, int index,
                                          char* buffer, int capacity) {
  return Guarded(-1, [&] {
    auto job = VirtualPrinters().Job(HostString(name), index);
    return job ? CopyText(job->documentName, buffer, capacity) : -1;
  });
}

VXCL_API int VXCL_CALL VxclLastError(char* buffer, int capacity) {
  return Guarded(0, [&] {
    // A message that cannot be converted is given as it is stored.
    try {
      return CopyText(MessageForHost(LastErrorMessage()), buffer, capacity);
    } catch (...) {
      return CopyText(LastErrorMessage(), buffer, capacity);
    }
  });
}

}  // extern "C"
