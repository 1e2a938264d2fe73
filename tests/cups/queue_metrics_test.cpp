#include "platform/cups/queue_metrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vxcl::cups {
namespace {

// One "media-size" value: a listed size, or a custom range when `least` is
// given.
struct Size {
  int width;
  int length;
  int leastWidth = -1;
  int leastLength = -1;
};

// A queue's attributes, built in memory as the scheduler would report them.
class Attributes {
 public:
  Attributes() : ipp_(ippNew()) {}
  ~Attributes() { ippDelete(ipp_); }
  Attributes(const Attributes&) = delete;
  Attributes& operator=(const Attributes&) = delete;

  QueueAttributes View() {
    return {[this](const char* option) { return Find(option, "-default"); },
            [this](const char* option) { return Find(option, "-supported"); }};
  }

  Attributes& Resolution(const char* name, int value, ipp_res_t units) {
    ippAddResolution(ipp_, IPP_TAG_PRINTER, name, units, value, value);
    return *this;
  }
  Attributes& Sizes(const std::vector<Size>& sizes) {
    std::vector<ipp_t*> values;
    for (const Size& size : sizes) values.push_back(MediaSize(size));
    ippAddCollections(ipp_, IPP_TAG_PRINTER, "media-size-supported",
                      static_cast<int>(values.size()),
                      const_cast<const ipp_t**>(values.data()));
    for (ipp_t* value : values) ippDelete(value);
    return *this;
  }
  Attributes& DefaultSize(int width, int length) {
    ipp_t* col = ippNew();
    ipp_t* size = MediaSize({width, length});
    ippAddCollection(col, IPP_TAG_PRINTER, "media-size", size);
    ippAddCollection(ipp_, IPP_TAG_PRINTER, "media-col-default", col);
    ippDelete(size);
    ippDelete(col);
    return *this;
  }
  Attributes& DefaultMedia(const char* name) {
    ippAddString(ipp_, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "media-default",
                 nullptr, name);
    return *this;
  }
  Attributes& Margins(const char* edge, std::vector<int> values) {
    ippAddIntegers(ipp_, IPP_TAG_PRINTER, IPP_TAG_INTEGER,
                   (std::string("media-") + edge + "-margin-supported").c_str(),
                   static_cast<int>(values.size()), values.data());
    return *this;
  }

 private:
  static ipp_t* MediaSize(const Size& size) {
    ipp_t* value = ippNew();
    if (size.leastWidth < 0)
      ippAddInteger(value, IPP_TAG_PRINTER, IPP_TAG_INTEGER, "x-dimension",
                    size.width);
    else
      ippAddRange(value, IPP_TAG_PRINTER, "x-dimension", size.leastWidth,
                  size.width);
    if (size.leastLength < 0)
      ippAddInteger(value, IPP_TAG_PRINTER, IPP_TAG_INTEGER, "y-dimension",
                    size.length);
    else
      ippAddRange(value, IPP_TAG_PRINTER, "y-dimension", size.leastLength,
                  size.length);
    return value;
  }
  ipp_attribute_t* Find(const char* option, const char* suffix) {
    return ippFindAttribute(ipp_, (std::string(option) + suffix).c_str(),
                            IPP_TAG_ZERO);
  }

  ipp_t* ipp_;
};

TEST(QueueMetrics, ResolutionIsTheDefaultInDotsPerInch) {
  struct Case {
    const char* attribute;
    int value;
    ipp_res_t units;
    std::optional<int> dotsPerInch;
  } cases[] = {
      {"printer-resolution-default", 203, IPP_RES_PER_INCH, 203},
      {"printer-resolution-default", 609, IPP_RES_PER_INCH, 609},
      {"printer-resolution-default", 80, IPP_RES_PER_CM, 203},
      {"printer-resolution-default", 118, IPP_RES_PER_CM, 300},
      // Without a default, the first supported resolution.
      {"printer-resolution-supported", 305, IPP_RES_PER_INCH, 305},
      {"printer-resolution-default", 0, IPP_RES_PER_INCH, std::nullopt},
      {"some-other-resolution", 203, IPP_RES_PER_INCH, std::nullopt},
  };
  for (const Case& c : cases) {
    Attributes queue;
    queue.Resolution(c.attribute, c.value, c.units);
    EXPECT_EQ(ReadQueueMetrics(queue.View()).dotsPerInch, c.dotsPerInch)
        << c.attribute << " " << c.value;
  }
}

TEST(QueueMetrics, DefaultPaperFromTheMediaCollectionOrTheMediaName) {
  Attributes collection;
  collection.DefaultSize(10160, 15240).DefaultMedia("iso_a4_210x297mm");
  auto paper = ReadQueueMetrics(collection.View()).defaultPaper;
  ASSERT_TRUE(paper);
  EXPECT_EQ(paper->width, 10160);  // the collection wins
  EXPECT_EQ(paper->length, 15240);

  struct Case {
    const char* media;
    int width, length;
  } names[] = {
      {"na_index-4x6_4x6in", 10160, 15240},
      {"iso_a4_210x297mm", 21000, 29700},
      {"custom_104x152mm_104x152mm", 10400, 15200},
  };
  for (const Case& c : names) {
    Attributes named;
    named.DefaultMedia(c.media);
    paper = ReadQueueMetrics(named.View()).defaultPaper;
    ASSERT_TRUE(paper) << c.media;
    EXPECT_EQ(paper->width, c.width) << c.media;
    EXPECT_EQ(paper->length, c.length) << c.media;
  }

  Attributes unknown;
  unknown.DefaultMedia("no-such-paper");
  EXPECT_FALSE(ReadQueueMetrics(unknown.View()).defaultPaper);
}

TEST(QueueMetrics, LargestPaperIsTheCustomLimitOrElseTheLargestListedSize) {
  struct Case {
    const char* what;
    std::vector<Size> sizes;
    int width, length;
  } cases[] = {
      {"custom limits beat listed sizes",
       {{10160, 15240}, {10400, 250000, 2000, 600}, {10300, 300000}},
       10400,
       250000},
      {"each dimension on its own",
       {{10160, 5080}, {5080, 15240}},
       10160,
       15240},
      {"a custom range in one dimension only",
       {{10160, 15240}, {5000, 100000, -1, 600}},
       10160,
       100000},
  };
  for (const Case& c : cases) {
    Attributes queue;
    queue.Sizes(c.sizes);
    auto largest = ReadQueueMetrics(queue.View()).largestPaper;
    ASSERT_TRUE(largest) << c.what;
    EXPECT_EQ(largest->width, c.width) << c.what;
    EXPECT_EQ(largest->length, c.length) << c.what;
  }
  Attributes none;
  EXPECT_FALSE(ReadQueueMetrics(none.View()).largestPaper);
}

TEST(QueueMetrics, HardwareMarginsAreTheSmallestSupported) {
  Attributes queue;
  queue.Margins("left", {300, 0, 150})
      .Margins("right", {200})
      .Margins("top", {-5});  // nonsense counts as no margin
  const QueueMetrics metrics = ReadQueueMetrics(queue.View());
  EXPECT_EQ(metrics.left, 0);
  EXPECT_EQ(metrics.right, 200);
  EXPECT_EQ(metrics.top, 0);
  EXPECT_EQ(metrics.bottom, 0);  // not reported
}

TEST(QueueMetrics, PrintableAreaClampsToTheRequestLessMarginsInWholeMm) {
  QueueMetrics label;  // a 4-inch, 203 dpi label printer
  label.dotsPerInch = 203;
  label.largestPaper = PaperSize{10400, 250000};
  QueueMetrics margined = label;
  margined.left = margined.right = 100;
  margined.top = 250;
  margined.bottom = 0;
  QueueMetrics odd = label;
  odd.largestPaper = PaperSize{10399, 99999};

  struct Case {
    const char* what;
    const QueueMetrics& metrics;
    DeviceMode request;
    int width, height;
  } cases[] = {
      {"default 4 x 6 in paper", label, {1016, 1524}, 101, 152},
      {"1000 mm wide paper", label, {10000, 1524}, 104, 152},
      {"1000 mm long paper", label, {1010, 10000}, 101, 1000},
      {"margins come off", margined, {10000, 10000}, 102, 997},
      {"parts of a millimetre are cut", odd, {10000, 10000}, 103, 999},
      {"nothing requested", label, {0, 0}, 0, 0},
      {"negative request", label, {-10, -1}, 0, 0},
      {"margins wider than the paper", margined, {15, 20}, 0, 0},
  };
  for (const Case& c : cases) {
    const DeviceCaps caps = PrintableArea(c.metrics, c.request);
    EXPECT_EQ(caps.dotsPerInch, 203) << c.what;
    EXPECT_EQ(caps.printableWidthMm, c.width) << c.what;
    EXPECT_EQ(caps.printableHeightMm, c.height) << c.what;
  }
}

TEST(QueueMetrics, DefaultDeviceModeIsInTenthsOfMm) {
  QueueMetrics metrics;
  metrics.largestPaper = PaperSize{10400, 250000};
  DeviceMode mode = DefaultDeviceMode(metrics);  // no default: the largest
  EXPECT_EQ(mode.paperWidth, 1040);
  EXPECT_EQ(mode.paperLength, 25000);

  metrics.defaultPaper = PaperSize{10155, 15244};  // rounded to the nearest
  mode = DefaultDeviceMode(metrics);
  EXPECT_EQ(mode.paperWidth, 1016);
  EXPECT_EQ(mode.paperLength, 1524);
}

}  // namespace
}  // namespace vxcl::cups
