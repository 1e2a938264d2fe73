#include "platform/layered_printer_system.h"

#include <algorithm>

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

std::string LayeredPrinterSystem::ListingFailure() const {
  std::string first = first_.ListingFailure();
  const std::string second = second_.ListingFailure();
  if (!first.empty() && !second.empty()) first += "; ";
  return first + second;
}

std::optional<std::vector<std::string>> LayeredPrinterSystem::PrinterNamesUntil(
    const std::function<bool(std::string_view)>& found) {
  auto first = first_.PrinterNamesUntil(found);
  if (first && std::any_of(first->begin(), first->end(), found)) return first;
  auto second = second_.PrinterNamesUntil(found);
  if (!first && !second) return std::nullopt;
  std::vector<std::string> names;
  if (first) names = std::move(*first);
  if (second) names.insert(names.end(), second->begin(), second->end());
  return names;
}

std::optional<std::string> LayeredPrinterSystem::DefaultPrinterName() {
  return second_.DefaultPrinterName();
}

std::unique_ptr<Printer> LayeredPrinterSystem::Open(std::string_view name) {
  if (auto printer = first_.Open(name)) return printer;
  return second_.Open(name);
}

}  // namespace vxcl
