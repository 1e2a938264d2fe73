#include "platform/cups/queue_metrics.h"

#include <algorithm>
#include <climits>

namespace vxcl::cups {

namespace {

std::optional<int> DotsPerInch(ipp_attribute_t* resolution) {
  if (!resolution || ippGetValueTag(resolution) != IPP_TAG_RESOLUTION ||
      ippGetCount(resolution) < 1)
    return std::nullopt;
  int yres = 0;
  ipp_res_t units = IPP_RES_PER_INCH;
  const int xres = ippGetResolution(resolution, 0, &yres, &units);
  if (xres <= 0) return std::nullopt;
  if (units == IPP_RES_PER_CM) return static_cast<int>(xres * 2.54 + 0.5);
  return xres;
}

// One dimension of a "media-size" collection: a listed size gives one
// value, a custom size range its limits.
struct Dimension {
  int most = 0;
  bool range = false;
};

std::optional<Dimension> ReadDimension(ipp_t* size, const char* name) {
  ipp_attribute_t* value = ippFindAttribute(size, name, IPP_TAG_ZERO);
  if (!value || ippGetCount(value) < 1) return std::nullopt;
  switch (ippGetValueTag(value)) {
    case IPP_TAG_INTEGER:
      return Dimension{ippGetInteger(value, 0), false};
    case IPP_TAG_RANGE: {
      int upper = 0;
      ippGetRange(value, 0, &upper);
      return Dimension{upper, true};
    }
    default:
      return std::nullopt;
  }
}

std::optional<PaperSize> DefaultPaper(const QueueAttributes& attributes) {
  ipp_attribute_t* col = attributes.defaultOf("media-col");
  if (col && ippGetValueTag(col) == IPP_TAG_BEGIN_COLLECTION) {
    ipp_attribute_t* size = ippFindAttribute(
        ippGetCollection(col, 0), "media-size", IPP_TAG_BEGIN_COLLECTION);
    if (size) {
      auto x = ReadDimension(ippGetCollection(size, 0), "x-dimension");
      auto y = ReadDimension(ippGetCollection(size, 0), "y-dimension");
      if (x && y && !x->range && !y->range) return PaperSize{x->most, y->most};
    }
  }
  // Without a default media collection, the default media name.
  ipp_attribute_t* media = attributes.defaultOf("media");
  if (media && ippGetCount(media) > 0) {
    if (const char* name = ippGetString(media, 0, nullptr)) {
      pwg_media_t* pwg = pwgMediaForPWG(name);
      if (!pwg) pwg = pwgMediaForLegacy(name);
      if (!pwg) pwg = pwgMediaForPPD(name);
      if (pwg) return PaperSize{pwg->width, pwg->length};
    }
  }
  return std::nullopt;
}

std::optional<PaperSize> LargestPaper(const QueueAttributes& attributes) {
  ipp_attribute_t* sizes = attributes.supportedOf("media-size");
  if (!sizes || ippGetValueTag(sizes) != IPP_TAG_BEGIN_COLLECTION)
    return std::nullopt;
  std::optional<int> listedWidth, listedLength, customWidth, customLength;
  auto raise = [](std::optional<int>& most, int value) {
    most = most ? std::max(*most, value) : value;
  };
  for (int i = 0; i < ippGetCount(sizes); ++i) {
    ipp_t* size = ippGetCollection(sizes, i);
    if (auto x = ReadDimension(size, "x-dimension"))
      raise(x->range ? customWidth : listedWidth, x->most);
    if (auto y = ReadDimension(size, "y-dimension"))
      raise(y->range ? customLength : listedLength, y->most);
  }
  const std::optional<int> width = customWidth ? customWidth : listedWidth;
  const std::optional<int> length = customLength ? customLength : listedLength;
  if (!width || !length) return std::nullopt;
  return PaperSize{*width, *length};
}

// The smallest margin the queue supports on one edge; 0 when it names none.
int HardwareMargin(const QueueAttributes& attributes, const char* option) {
  ipp_attribute_t* margins = attributes.supportedOf(option);
  if (!margins || ippGetValueTag(margins) != IPP_TAG_INTEGER ||
      ippGetCount(margins) < 1)
    return 0;
  int least = INT_MAX;
  for (int i = 0; i < ippGetCount(margins); ++i)
    least = std::min(least, ippGetInteger(margins, i));
  return std::max(least, 0);
}

int TenthsOf(int hundredths) {
  return hundredths / 10 + (hundredths % 10 >= 5);
}

// Whole millimetres of the paper clamped to the request, less the margins.
int PrintableMm(int paper, int requestTenths, long long margins) {
  const long long request = std::max(requestTenths, 0) * 10LL;
  const long long printable = std::min<long long>(paper, request) - margins;
  return printable <= 0 ? 0 : static_cast<int>(printable / 100);
}

}  // namespace

QueueMetrics ReadQueueMetrics(const QueueAttributes& attributes) {
  QueueMetrics metrics;
  metrics.dotsPerInch = DotsPerInch(attributes.defaultOf("printer-resolution"));
  if (!metrics.dotsPerInch)
    metrics.dotsPerInch =
        DotsPerInch(attributes.supportedOf("printer-resolution"));
  metrics.defaultPaper = DefaultPaper(attributes);
  metrics.largestPaper = LargestPaper(attributes);
  metrics.left = HardwareMargin(attributes, "media-left-margin");
  metrics.right = HardwareMargin(attributes, "media-right-margin");
  metrics.top = HardwareMargin(attributes, "media-top-margin");
  metrics.bottom = HardwareMargin(attributes, "media-bottom-margin");
  return metrics;
}

DeviceMode DefaultDeviceMode(const QueueMetrics& metrics) {
  const PaperSize paper = metrics.defaultPaper.value_or(*metrics.largestPaper);
  return DeviceMode{TenthsOf(std::max(paper.width, 0)),
                    TenthsOf(std::max(paper.length, 0))};
}

DeviceCaps PrintableArea(const QueueMetrics& metrics, const DeviceMode& mode) {
  const PaperSize& largest = *metrics.largestPaper;
  return DeviceCaps{
      *metrics.dotsPerInch,
      PrintableMm(largest.width, mode.paperWidth,
                  static_cast<long long>(metrics.left) + metrics.right),
      PrintableMm(largest.length, mode.paperLength,
                  static_cast<long long>(metrics.top) + metrics.bottom)};
}

}  // namespace vxcl::cups
