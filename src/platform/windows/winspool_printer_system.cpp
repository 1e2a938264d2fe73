#include "platform/windows/winspool_printer_system.h"

#include <windows.h>
#include <winspool.h>

#include <climits>
#include <cstddef>
#include <cstring>
#include <new>
#include <string>

#include "platform/host_text.h"
#include "platform/thread_message.h"

namespace vxcl {

namespace {

constexpr DWORD kLocalAndConnections =
    PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
constexpr DWORD kMostJobs = 1000;
// The device mode must reach the paper length and width the lookup writes.
constexpr LONG kDeviceModeBytesNeeded =
    offsetof(DEVMODEA, dmPaperWidth) + sizeof(short);

// A zero-filled buffer for the records the spooler writes.
std::unique_ptr<BYTE[]> ZeroedBuffer(DWORD bytes) {
  return std::unique_ptr<BYTE[]>(new BYTE[bytes]());
}

short PaperField(int tenthsOfMm) {
  return static_cast<short>(tenthsOfMm > SHRT_MAX   ? SHRT_MAX
                            : tenthsOfMm < SHRT_MIN ? SHRT_MIN
                                                    : tenthsOfMm);
}

// The printer's device mode in movable, zero-filled global memory, locked
// while it is held.
class GlobalDeviceMode {
 public:
  explicit GlobalDeviceMode(std::size_t bytes)
      : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {
    if (block_) mode_ = static_cast<DEVMODEA*>(GlobalLock(block_));
    if (!mode_) {
      if (block_) GlobalFree(block_);
      throw std::bad_alloc();
    }
  }
  ~GlobalDeviceMode() {
    GlobalUnlock(block_);
    GlobalFree(block_);
  }
  GlobalDeviceMode(const GlobalDeviceMode&) = delete;
  GlobalDeviceMode& operator=(const GlobalDeviceMode&) = delete;

  DEVMODEA* get() const { return mode_; }

 private:
  HGLOBAL block_;
  DEVMODEA* mode_ = nullptr;
};

class WinspoolPrinter final : public Printer {
 public:
  WinspoolPrinter(HANDLE handle, std::string name)
      : handle_(handle), name_(std::move(name)) {}
  ~WinspoolPrinter() override { ClosePrinter(handle_); }
  WinspoolPrinter(const WinspoolPrinter&) = delete;
  WinspoolPrinter& operator=(const WinspoolPrinter&) = delete;

  bool ReadDeviceMode(DeviceMode& mode) override {
    devMode_.reset();
    const LONG size = DocumentPropertiesA(nullptr, handle_, name_.data(),
                                          nullptr, nullptr, 0);
    if (size < kDeviceModeBytesNeeded) return Unreadable();
    auto block = std::make_unique<GlobalDeviceMode>(size);
    if (DocumentPropertiesA(nullptr, handle_, name_.data(), block->get(),
                            nullptr, DM_OUT_BUFFER) < 0)
      return Unreadable();
    mode.paperLength = block->get()->dmPaperLength;
    mode.paperWidth = block->get()->dmPaperWidth;
    devMode_ = std::move(block);
    return true;
  }

  std::optional<DeviceCaps> QueryDevice(const DeviceMode& mode) override {
    DEVMODEA* devMode = devMode_ ? devMode_->get() : nullptr;
    if (devMode) {  // the field-selection bits stay as the driver set them
      devMode->dmPaperLength = PaperField(mode.paperLength);
      devMode->dmPaperWidth = PaperField(mode.paperWidth);
    }
    // The default metrics come from an information context; the probes
    // with a changed paper from device contexts.
    HDC context = queries_++ == 0
                      ? CreateICA(nullptr, name_.c_str(), nullptr, devMode)
                      : CreateDCA(nullptr, name_.c_str(), nullptr, devMode);
    if (!context) return std::nullopt;
    const DeviceCaps caps{GetDeviceCaps(context, LOGPIXELSX),
                          GetDeviceCaps(context, HORZSIZE),
                          GetDeviceCaps(context, VERTSIZE)};
    DeleteDC(context);
    return caps;
  }

  std::string FailureReason() const override { return failure_; }

  std::optional<int> QueuedJobCount() override {
    DWORD needed = 0;
    DWORD returned = 0;
    SetLastError(ERROR_SUCCESS);
    if (EnumJobsA(handle_, 0, kMostJobs, 1, nullptr, 0, &needed, &returned))
      return static_cast<int>(returned);  // an empty queue needs no buffer
    // A spooler that keeps no job list (Wine's) fails without a reason or a
    // size: it never holds jobs to wait for.
    if (GetLastError() == ERROR_SUCCESS && needed == 0) return 0;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0)
      return std::nullopt;
    auto buffer = ZeroedBuffer(needed);
    if (!EnumJobsA(handle_, 0, kMostJobs, 1, buffer.get(), needed, &needed,
                   &returned))
      return std::nullopt;
    return static_cast<int>(returned);
  }

  bool StartDocument(std::string_view documentName) override {
    std::string document(documentName);
    char dataType[] = "RAW";
    DOC_INFO_1A info{document.data(), nullptr, dataType};
    return StartDocPrinterA(handle_, 1, reinterpret_cast<BYTE*>(&info)) != 0;
  }

  bool StartPage() override { return StartPagePrinter(handle_) != 0; }

  bool Write(std::string_view bytes, std::size_t& written) override {
    written = 0;
    if (bytes.size() > MAXDWORD) return false;
    DWORD done = 0;
    const BOOL ok = WritePrinter(handle_, const_cast<char*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size()), &done);
    written = done;
    return ok != 0;
  }

  bool EndPage() override { return EndPagePrinter(handle_) != 0; }
  bool EndDocument() override { return EndDocPrinter(handle_) != 0; }

 private:
  bool Unreadable() {
    failure_ = "The driver settings of printer \"" + FromHostCodePage(name_) +
               "\" cannot be read (error " + std::to_string(GetLastError()) +
               ").";
    return false;
  }

  HANDLE handle_;
  std::string name_;
  std::unique_ptr<GlobalDeviceMode> devMode_;
  int queries_ = 0;
  std::string failure_;
};

// Per thread: listings run without the library's lock.
thread_local ThreadMessage listingFailure{};

}  // namespace

std::string WinspoolPrinterSystem::ListingFailure() const {
  return listingFailure.Get();
}

std::optional<std::vector<std::string>> WinspoolPrinterSystem::PrinterNames() {
  listingFailure.Clear();
  DWORD needed = 0;
  DWORD returned = 0;
  EnumPrintersA(kLocalAndConnections, nullptr, 4, nullptr, 0, &needed,
                &returned);
  if (needed == 0) return std::vector<std::string>{};
  auto buffer = ZeroedBuffer(needed);
  if (!EnumPrintersA(kLocalAndConnections, nullptr, 4, buffer.get(), needed,
                     &needed, &returned)) {
    listingFailure.Set(
        "the Windows print spooler could not list its printers "
        "(error " +
        std::to_string(GetLastError()) + ")");
    return std::nullopt;
  }
  const auto* records = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.get());
  std::vector<std::string> names;
  names.reserve(returned);
  for (DWORD i = 0; i < returned; ++i)
    names.emplace_back(records[i].pPrinterName ? records[i].pPrinterName : "");
  return names;
}

std::optional<std::string> WinspoolPrinterSystem::DefaultPrinterName() {
  DWORD needed = 0;
  DWORD returned = 0;
  EnumPrintersA(PRINTER_ENUM_DEFAULT, nullptr, 5, nullptr, 0, &needed,
                &returned);
  if (needed > 0) {
    auto buffer = ZeroedBuffer(needed);
    if (!EnumPrintersA(PRINTER_ENUM_DEFAULT, nullptr, 5, buffer.get(), needed,
                       &needed, &returned) ||
        returned != 1)
      return std::nullopt;
    const char* name =
        reinterpret_cast<const PRINTER_INFO_5A*>(buffer.get())->pPrinterName;
    return std::string(name ? name : "");
  }
  DWORD size = 0;
  if (!GetDefaultPrinterA(nullptr, &size)) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::string();
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
      return std::nullopt;
  }
  std::string name(size, '\0');
  if (!GetDefaultPrinterA(name.data(), &size)) return std::nullopt;
  name.resize(std::strlen(name.c_str()));
  return name;
}

std::unique_ptr<Printer> WinspoolPrinterSystem::Open(std::string_view name) {
  std::string printerName(name);
  HANDLE handle = nullptr;
  if (!OpenPrinterA(printerName.data(), &handle, nullptr)) return nullptr;
  try {
    return std::make_unique<WinspoolPrinter>(handle, std::move(printerName));
  } catch (...) {
    ClosePrinter(handle);
    throw;
  }
}

}  // namespace vxcl
