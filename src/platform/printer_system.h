// What the library needs from the operating system's printers: find them by
// name, read a printer's resolution and printable area, count its queued
// jobs, and submit one document of raw bytes.
#ifndef VXCL_PLATFORM_PRINTER_SYSTEM_H
#define VXCL_PLATFORM_PRINTER_SYSTEM_H

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxcl {

// A private copy of a printer's paper settings; changing it never changes
// the printer's own settings.
struct DeviceMode {
  int paperWidth = 0;   // tenths of a millimetre
  int paperLength = 0;  // tenths of a millimetre
};

// What the printer reports for a given paper.
struct DeviceCaps {
  int dotsPerInch = 0;        // horizontal resolution
  int printableWidthMm = 0;   // whole millimetres
  int printableHeightMm = 0;  // whole millimetres
};

// Where a label job's label lies on the print head, in printer dots, for
// printers that draw what they receive (virtual printers keep it for the
// label preview).
struct LabelLayout {
  int dotsPerMm = 0;
  int headWidthDots = 0;  // the widest printable line
  int labelWidthDots = 0;
  int labelLengthDots = 0;
  int labelLeftDots = 0;  // the media offset: where the label starts
};

// An open printer. Destroying it closes the printer.
class Printer {
 public:
  virtual ~Printer() = default;

  // The printer's current paper settings; false when they cannot be read.
  virtual bool ReadDeviceMode(DeviceMode& mode) = 0;
  // What the printer reports for `mode`; nullopt when it cannot answer.
  virtual std::optional<DeviceCaps> QueryDevice(const DeviceMode& mode) = 0;
  // Why the printer cannot be used, after a failed call; may be empty.
  virtual std::string FailureReason() const { return {}; }

  // Jobs in the printer's queue; nullopt when they cannot be enumerated.
  virtual std::optional<int> QueuedJobCount() = 0;

  // One raw document, step by step; each step reports success.
  virtual bool StartDocument(std::string_view documentName) = 0;
  virtual bool StartPage() = 0;
  virtual bool Write(std::string_view bytes, std::size_t& written) = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDocument() = 0;
  // Told, before the document's data, where the label of a label job lies.
  virtual void DescribeLabel(const LabelLayout&) {}

  // A spooler settles for a second after a submission; an in-process
  // printer has nothing to wait for.
  virtual bool SettlesAfterSubmission() const { return true; }
};

class PrinterSystem {
 public:
  virtual ~PrinterSystem() = default;

  // Installed printers in enumeration order; nullopt when enumeration fails.
  virtual std::optional<std::vector<std::string>> PrinterNames() = 0;
  // Why this thread's last PrinterNames() (or PrinterNamesUntil() that
  // asked this system) could not list this system's printers, naming the
  // print system (its server) that could not be reached; empty when it
  // could.
  virtual std::string ListingFailure() const { return {}; }
  // Installed printers in enumeration order, as PrinterNames(); but a
  // system that lists some of its printers without waiting on anything (the
  // virtual printers) may leave out the rest when a name `found` accepts is
  // among those, so as not to wait.
  virtual std::optional<std::vector<std::string>> PrinterNamesUntil(
      const std::function<bool(std::string_view)>& found) {
    static_cast<void>(found);
    return PrinterNames();
  }
  // The default printer: "" when there is none, nullopt when it cannot be
  // read.
  virtual std::optional<std::string> DefaultPrinterName() = 0;
  // Opens a printer by its exact name; null when it cannot be opened.
  virtual std::unique_ptr<Printer> Open(std::string_view name) = 0;
  // True when this thread's last Open failed because the print system left
  // a request unanswered: asking it again now would wait as long again.
  virtual bool LastOpenStalled() const { return false; }
};

}  // namespace vxcl

#endif
