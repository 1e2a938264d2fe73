// The library's own extensions: virtual printers and the last error.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "job/check_messages.h"
#include "job/outcome.h"
#include "platform/host_text.h"
#include "platform/virtual_printers.h"
#include "vxclcmd.h"

using namespace vxcl;

namespace {

// Why VirtualPrinterSystem::Add refused, checked in its order.
std::string VirtualPrinterRefusal(std::string_view name, int dotsPerInch,
                                  int maxWidthMm, int maxHeightMm) {
  const std::string nothing = "; no printer added";
  if (name.empty()) return "Name is null or empty" + nothing;
  if (dotsPerInch < 1)
    return "DotsPerInch " + Number(dotsPerInch) + " is not 1 or more" + nothing;
  if (maxWidthMm < 1)
    return "MaxWidthMm " + Number(maxWidthMm) + " is not 1 or more" + nothing;
  if (maxHeightMm < 1)
    return "MaxHeightMm " + Number(maxHeightMm) + " is not 1 or more" + nothing;
  return "a printer named " + QuotedName(name) + " is there already" + nothing;
}

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL VxclAddVirtualPrinter(const char* name, int dotsPerInch,
                                             int maxWidthMm, int maxHeightMm) {
  return Guarded("VxclAddVirtualPrinter", 0, [&]() -> Outcome {
    const std::string_view printer = HostString(name);
    if (VirtualPrinters().Add(printer, dotsPerInch, maxWidthMm, maxHeightMm))
      return VXCL_OK;
    return Outcome(VXCL_NO_JOB, VirtualPrinterRefusal(printer, dotsPerInch,
                                                      maxWidthMm, maxHeightMm));
  });
}

VXCL_API int VXCL_CALL VxclRemoveVirtualPrinter(const char* name) {
  return Guarded("VxclRemoveVirtualPrinter", 0, [&]() -> Outcome {
    const std::string_view printer = HostString(name);
    if (VirtualPrinters().Remove(printer)) return VXCL_OK;
    return Outcome(VXCL_NO_JOB, "no virtual printer " + QuotedName(printer) +
                                    "; nothing removed");
  });
}

VXCL_API int VXCL_CALL VxclVirtualJobCount(const char* name) {
  return GuardedReading(-1, [&] {
    return VirtualPrinters().JobCount(HostString(name)).value_or(-1);
  });
}

VXCL_API int VXCL_CALL VxclVirtualJob(const char* name, int index,
                                      unsigned char* buffer, int capacity) {
  return GuardedReading(-1, [&] {
    auto job = VirtualPrinters().Job(HostString(name), index);
    return job ? CopyBytes(job->bytes, buffer, capacity) : -1;
  });
}

VXCL_API int VXCL_CALL VxclVirtualJobName(const char* name, int index,
                                          char* buffer, int capacity) {
  return GuardedReading(-1, [&] {
    auto job = VirtualPrinters().Job(HostString(name), index);
    return job ? CopyText(job->documentName, buffer, capacity) : -1;
  });
}

VXCL_API int VXCL_CALL VxclLastError(char* buffer, int capacity) {
  return GuardedReading(0, [&] {
    // A message that cannot be converted is given as it is stored.
    try {
      return CopyText(MessageForHost(LastErrorMessage()), buffer, capacity);
    } catch (...) {
      return CopyText(LastErrorMessage(), buffer, capacity);
    }
  });
}

// Under the lock as every export is, though it only reads a constant.
VXCL_API int VXCL_CALL VxclVersion(void) {
  return GuardedReading(VXCL_VERSION_NUMBER,
                        [] { return VXCL_VERSION_NUMBER; });
}

VXCL_API int VXCL_CALL VxclSetTextEncoding(const char* encoding) {
  return Guarded(
      "VxclSetTextEncoding", VXCL_INTERNAL_FAILURE, [&]() -> Outcome {
        const std::string_view name = HostString(encoding);
        if (ChooseHostEncoding(name) == EncodingChoice::kChosen) return VXCL_OK;
        // The refused name is quoted as bytes may be: cut, and ASCII only.
        std::string quoted;
        for (const char c : name.substr(0, 64))
          quoted += c >= ' ' && c <= '~' ? c : '?';
        return {
            VXCL_TEXT_ENCODING,
            "\"" + quoted +
                "\" is not an encoding this system can read (names as iconv "
                "knows them, such as CP950, BIG5, SHIFT_JIS, GBK, EUC-KR or "
                "UTF-8; on Windows only the system code page); " +
                HostEncodingName() + " kept"};
      });
}

}  // extern "C"
