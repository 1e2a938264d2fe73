// The library's own extensions: virtual printers and the last error.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "job/outcome.h"
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

VXCL_API int VXCL_CALL VxclSetTextEncoding(const char* encoding) {
  return GuardedAfresh(VXCL_INTERNAL_FAILURE, [&]() -> Outcome {
    const std::string_view name = HostString(encoding);
    if (ChooseHostEncoding(name) == EncodingChoice::kChosen) return VXCL_OK;
    // The refused name is quoted as bytes may be: cut, and ASCII only.
    std::string quoted;
    for (const char c : name.substr(0, 64))
      quoted += c >= ' ' && c <= '~' ? c : '?';
    return {VXCL_TEXT_ENCODING,
            "VxclSetTextEncoding: \"" + quoted +
                "\" is not an encoding this system can read (names as iconv "
                "knows them, such as CP950, BIG5, SHIFT_JIS, GBK, EUC-KR or "
                "UTF-8; on Windows only the system code page); " +
                HostEncodingName() + " kept"};
  });
}

}  // extern "C"
