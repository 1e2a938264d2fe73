#include "support/fake_platform.h"

#include <algorithm>
#include <new>

namespace vxcl::test {

namespace {

class FakePrinter final : public Printer {
 public:
  explicit FakePrinter(FakePrinterScript& script) : s_(script) { ++s_.opened; }
  ~FakePrinter() override { ++s_.closed; }

  bool ReadDeviceMode(DeviceMode& mode) override {
    mode = DeviceMode{2100, 2970};  // whatever paper the driver defaults to
    return s_.canReadMode;
  }
  std::optional<DeviceCaps> QueryDevice(const DeviceMode& mode) override {
    s_.modes.push_back(mode);
    if (s_.queries++ == s_.queryFailsAt) return std::nullopt;
    return DeviceCaps{s_.dotsPerInch,
                      std::min(mode.paperWidth / 10, s_.widthMm),
                      std::min(mode.paperLength / 10, s_.heightMm)};
  }
  std::optional<int> QueuedJobCount() override {
    const int n = s_.enumerations++;
    if (s_.queue.empty()) return 0;
    const std::size_t i =
        std::min(static_cast<std::size_t>(n), s_.queue.size() - 1);
    return s_.queue[i];
  }
  bool StartDocument(std::string_view documentName) override {
    s_.steps.push_back("StartDoc");
    s_.documentName = documentName;
    return s_.startDoc;
  }
  bool StartPage() override {
    s_.steps.push_back("StartPage");
    return s_.startPage;
  }
  bool Write(std::string_view bytes, std::size_t& written) override {
    s_.steps.push_back("Write");
    if (s_.throwOnWrite) throw std::bad_alloc();
    if (!s_.write) return false;
    s_.written.append(bytes);
    written = bytes.size() - std::min(bytes.size(), s_.shortBy);
    return true;
  }
  bool EndPage() override {
    s_.steps.push_back("EndPage");
    return s_.endPage;
  }
  bool EndDocument() override {
    s_.steps.push_back("EndDoc");
    return s_.endDoc;
  }

 private:
  FakePrinterScript& s_;
};

}  // namespace

std::optional<std::vector<std::string>> FakePrinterSystem::PrinterNames() {
  if (throwBadAlloc) throw std::bad_alloc();
  if (enumerationFails) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& p : printers) names.push_back(p.name);
  return names;
}

std::optional<std::string> FakePrinterSystem::DefaultPrinterName() {
  return defaultPrinter;
}

std::unique_ptr<Printer> FakePrinterSystem::Open(std::string_view name) {
  for (auto& p : printers)
    if (p.name == name)
      return p.canOpen ? std::make_unique<FakePrinter>(p) : nullptr;
  return nullptr;
}

FakePrinterScript& FakePrinterSystem::Add(std::string name) {
  printers.emplace_back();
  printers.back().name = std::move(name);
  return printers.back();
}

FakePlatform::FakePlatform()
    : saved_(ReplacePlatform(
          Platform{&printers, &events, &clock, CurrentPlatform().fonts})) {}

FakePlatform::~FakePlatform() { ReplacePlatform(saved_); }

}  // namespace vxcl::test
