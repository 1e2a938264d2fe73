// What a CUPS queue reports about its resolution and paper, and how that
// maps onto the printer metrics the lookup asks for.
//
// The queue's attributes are the scheduler's IPP view of it: for a queue
// with a PPD, the scheduler derives them from the PPD (DefaultResolution,
// the page sizes, the custom page size limits, HWMargins); a driverless
// queue reports the printer's own.
#ifndef VXCL_PLATFORM_CUPS_QUEUE_METRICS_H
#define VXCL_PLATFORM_CUPS_QUEUE_METRICS_H

#include <cups/cups.h>

#include <functional>
#include <optional>

#include "platform/printer_system.h"

namespace vxcl::cups {

// Hundredths of a millimetre, the IPP unit of paper sizes and margins.
struct PaperSize {
  int width = 0;
  int length = 0;
};

struct QueueMetrics {
  std::optional<int> dotsPerInch;
  std::optional<PaperSize> defaultPaper;
  // The largest paper the queue accepts, each dimension on its own: the
  // custom page size limits, or else the largest listed size.
  std::optional<PaperSize> largestPaper;
  // The hardware margins: the smallest margin the queue supports per edge.
  int left = 0, right = 0, top = 0, bottom = 0;
};

// The queue's attribute values for an option ("printer-resolution",
// "media-col", "media-size", ...): its "-default" and its "-supported"
// attribute, null when absent.
struct QueueAttributes {
  std::function<ipp_attribute_t*(const char* option)> defaultOf;
  std::function<ipp_attribute_t*(const char* option)> supportedOf;
};

QueueMetrics ReadQueueMetrics(const QueueAttributes& attributes);

// The paper the lookup starts from: the default size, or else the largest,
// in tenths of a millimetre. Needs `largestPaper`.
DeviceMode DefaultDeviceMode(const QueueMetrics& metrics);

// The printable area for a requested paper: the largest paper clamped to
// the request, minus the margins, truncated to whole millimetres. Needs
// `dotsPerInch` and `largestPaper`.
DeviceCaps PrintableArea(const QueueMetrics& metrics, const DeviceMode& mode);

}  // namespace vxcl::cups

#endif
