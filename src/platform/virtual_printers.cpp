#include "platform/virtual_printers.h"

#include <algorithm>
#include <climits>

namespace vxcl {

namespace {

int TenthsOfMm(int mm) { return mm > INT_MAX / 10 ? INT_MAX : mm * 10; }

class VirtualPrinter final : public Printer {
 public:
  VirtualPrinter(VirtualPrinterSystem& owner, std::string name, int dpi,
                 int maxWidthMm, int maxHeightMm)
      : owner_(owner),
        name_(std::move(name)),
        dpi_(dpi),
        maxWidthMm_(maxWidthMm),
        maxHeightMm_(maxHeightMm) {}

  bool ReadDeviceMode(DeviceMode& mode) override {
    mode = DeviceMode{TenthsOfMm(maxWidthMm_), TenthsOfMm(maxHeightMm_)};
    return true;
  }

  std::optional<DeviceCaps> QueryDevice(const DeviceMode& mode) override {
    return DeviceCaps{dpi_, std::clamp(mode.paperWidth / 10, 0, maxWidthMm_),
                      std::clamp(mode.paperLength / 10, 0, maxHeightMm_)};
  }

  std::optional<int> QueuedJobCount() override { return 0; }

  bool StartDocument(std::string_view documentName) override {
    pending_ = VirtualJob{std::string(documentName), {}, std::nullopt};
    return true;
  }
  void DescribeLabel(const LabelLayout& label) override {
    pending_.label = label;
  }
  bool StartPage() override { return true; }
  bool Write(std::string_view bytes, std::size_t& written) override {
    pending_.bytes.append(bytes);
    written = bytes.size();
    return true;
  }
  bool EndPage() override { return true; }
  bool EndDocument() override {
    return owner_.Deliver(name_, std::move(pending_));
  }
  bool SettlesAfterSubmission() const override { return false; }

 private:
  VirtualPrinterSystem& owner_;
  std::string name_;
  int dpi_, maxWidthMm_, maxHeightMm_;
  VirtualJob pending_;
};

}  // namespace

const VirtualPrinterSystem::Entry* VirtualPrinterSystem::Find(
    std::string_view name) const {
  for (const Entry& entry : printers_)
    if (entry.name == name) return &entry;
  return nullptr;
}

bool VirtualPrinterSystem::Add(std::string_view name, int dotsPerInch,
                               int maxWidthMm, int maxHeightMm) {
  if (name.empty() || dotsPerInch < 1 || maxWidthMm < 1 || maxHeightMm < 1)
    return false;
  std::lock_guard lock(mutex_);
  if (Find(name)) return false;
  printers_.push_back(
      Entry{std::string(name), dotsPerInch, maxWidthMm, maxHeightMm, {}});
  return true;
}

bool VirtualPrinterSystem::Remove(std::string_view name) {
  std::lock_guard lock(mutex_);
  auto it = std::find_if(printers_.begin(), printers_.end(),
                         [&](const Entry& e) { return e.name == name; });
  if (it == printers_.end()) return false;
  printers_.erase(it);
  return true;
}

std::optional<int> VirtualPrinterSystem::JobCount(std::string_view name) const {
  std::lock_guard lock(mutex_);
  const Entry* entry = Find(name);
  if (!entry) return std::nullopt;
  return static_cast<int>(entry->jobs.size());
}

std::optional<VirtualJob> VirtualPrinterSystem::Job(std::string_view name,
                                                    int index) const {
  std::lock_guard lock(mutex_);
  const Entry* entry = Find(name);
  if (!entry || index < 0 ||
      static_cast<std::size_t>(index) >= entry->jobs.size())
    return std::nullopt;
  return entry->jobs[static_cast<std::size_t>(index)];
}

std::optional<std::vector<std::string>> VirtualPrinterSystem::PrinterNames() {
  std::lock_guard lock(mutex_);
  std::vector<std::string> names;
  names.reserve(printers_.size());
  for (const Entry& entry : printers_) names.push_back(entry.name);
  return names;
}

std::optional<std::string> VirtualPrinterSystem::DefaultPrinterName() {
  return std::string();
}

std::unique_ptr<Printer> VirtualPrinterSystem::Open(std::string_view name) {
  std::lock_guard lock(mutex_);
  const Entry* entry = Find(name);
  if (!entry) return nullptr;
  return std::make_unique<VirtualPrinter>(*this, entry->name,
                                          entry->dotsPerInch, entry->maxWidthMm,
                                          entry->maxHeightMm);
}

bool VirtualPrinterSystem::Deliver(const std::string& printerName,
                                   VirtualJob job) {
  std::lock_guard lock(mutex_);
  for (Entry& entry : printers_) {
    if (entry.name == printerName) {
      entry.jobs.push_back(std::move(job));
      return true;
    }
  }
  return false;
}

VirtualPrinterSystem& VirtualPrinters() {
  static VirtualPrinterSystem printers;
  return printers;
}

}  // namespace vxcl
