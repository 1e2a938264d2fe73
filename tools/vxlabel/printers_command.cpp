#include "printers_command.h"

#include <ostream>
#include <string>

#include "vxclcmd.h"

namespace vxlabel {

namespace {

std::string PrinterName(int index) {
  const int length = VxclPrinterName(index, nullptr, 0);
  if (length < 0) return {};
  std::string name(static_cast<std::size_t>(length) + 1, '\0');
  VxclPrinterName(index, name.data(), length + 1);
  name.resize(static_cast<std::size_t>(length));
  return name;
}

std::string LastError() {
  const int length = VxclLastError(nullptr, 0);
  std::string message(static_cast<std::size_t>(length) + 1, '\0');
  VxclLastError(message.data(), length + 1);
  message.resize(static_cast<std::size_t>(length));
  return message;
}

}  // namespace

int ListPrinters(std::ostream& out, std::ostream& err) {
  const int count = VxclPrinterCount();
  if (count < 0) {
    err << "cannot list the printers (is the print scheduler running?)\n";
    return 1;
  }
  if (count == 0) out << "no printers installed\n";
  for (int i = 0; i < count; ++i) {
    const std::string name = PrinterName(i);
    int dotsPerMm = 0, maxWidthDots = 0, maxHeightDots = 0;
    out << name << ": ";
    if (VxclPrinterMetrics(name.c_str(), &dotsPerMm, &maxWidthDots,
                           &maxHeightDots)) {
      out << "DotsPerMm " << dotsPerMm << ", MaxWidthDots " << maxWidthDots
          << ", MaxHeightDots " << maxHeightDots << "\n";
    } else {
      const std::string reason = LastError();
      out << "unusable: " << (reason.empty() ? "it cannot be opened" : reason)
          << "\n";
    }
  }
  return 0;
}

}  // namespace vxlabel
