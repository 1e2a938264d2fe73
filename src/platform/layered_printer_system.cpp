#include "platform/layered_printer_system.h"

namespace vxcl {

std::optional<std::vector<std::string>> LayeredPrinterSystem::PrinterNames() {
  auto first = first_.PrinterNames();
  auto second = second_.PrinterNames();
  if (!first && !second) return std::nullopt;
  std::vector<std::string> names;
  if (first) names = std::move(*first);
  if (second) names.insert(names.end(), second->begin(), second->end());
  return names;
}

std::optional<std::string> LayeredPrinterSystem::FirstNameMatching(
    const std::function<bool(std::string_view)>& matches) {
  if (auto name = first_.FirstNameMatching(matches)) return name;
  return second_.FirstNameMatching(matches);
}

std::optional<std::string> LayeredPrinterSystem::DefaultPrinterName() {
  return second_.DefaultPrinterName();
}

std::unique_ptr<Printer> LayeredPrinterSystem::Open(std::string_view name) {
  if (auto printer = first_.Open(name)) return printer;
  return second_.Open(name);
}

}  // namespace vxcl
