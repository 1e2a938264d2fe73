// The label preview: a 100 x 50 mm label at 203 dpi with 20 elements (a
// frame and rules, text in the printer's fonts and in TrueType, three
// barcodes, a PDF417, a Data Matrix and a picture), read, drawn and written
// as a PNG file. The job is built once through the exports on a virtual
// printer; each iteration previews its stream.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "platform/virtual_printers.h"
#include "preview/png_writer.h"
#include "preview/stream_preview.h"
#include "vxclcmd.h"

namespace {

constexpr const char* kPrinter = "Preview Bench";

std::string LabelStream() {
  VxclAddVirtualPrinter(kPrinter, 203, 104, 1000);
  PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0);
  PrnDrawBox(1.0, 1.0, 3, 3, 98.0, 48.0);
  PrnDrawLine(1.0, 12.0, 0, 2, 98.0);
  PrnDrawLine(60.0, 12.0, 1, 2, 37.0);
  PrnInternalFont(0, 3.0, 3.0, "M", 1, 1, 2, "SHIP TO");
  PrnInternalFont(0, 3.0, 7.0, "S", 1, 1, 2, "ACME LTD, 1 MAIN STREET");
  PrnInternalFont(0, 30.0, 2.0, "XM", 2, 2, 2, "EXPRESS");
  PrnVectorFont(0, 62.0, 14.0, 'A', 60, 80, 0, 2, "A12");
  PrnAGFARasterFont(0, 62.0, 26.0, 'B', 0, 32, 40, 2, "Gate 7");
  PrnTrueTypeFont(0, 3.0, 44.0, "DejaVu Sans", 10, 0, 0, 0, 0, 0, 0, 0, 0.0,
                  "Handle with care");
  PrnBarcode(0, 3.0, 14.0, 'G', 2, 2, 10.0, "TRK1234567890");
  PrnBarcode(0, 3.0, 25.5, '1', 2, 1, 6.0, "ORDER42");
  PrnBarcode(0, 36.0, 24.5, '3', 3, 2, 6.0, "400638133393");
  const char* address = "SHIP TO: ACME LTD&h0D1 MAIN STREET&h0DSPRINGFIELD";
  PrnPDF417(0, 62.0, 36.0, 0, 3, 6, 2, 2, 0, &address);
  const char* order = "ORDER 2024-000123456";
  PrnDataMatrix(0, 88.0, 14.0, 1, 20, 4, 4, 0, 1, &order);
  const std::string logo = std::string(VXCL_SOURCE_DIR) + "/examples/logo.bmp";
  PrnDrawBMP(0, 30.0, 36.0, 0.0, 0.0, logo.c_str());
  PrnReverseImage(30.0, 2.0, 28.0, 8.0);
  PrnDrawLine(1.0, 34.0, 0, 1, 59.0);
  PrnInternalFont(3, 97.0, 2.0, "U", 1, 1, 1, "vxlabel");
  PrnQty(1);
  PrnEnd();
  return vxcl::VirtualPrinters().Job(kPrinter, 0)->bytes;
}

void BM_PreviewLabel(benchmark::State& state) {
  const std::string stream = LabelStream();
  vxcl::preview::PreviewMetrics metrics;  // 8 dots/mm, an 832-dot head
  metrics.labelWidthDots = 800;
  metrics.labelLeftDots = 32;
  metrics.labelLengthDots = 400;
  const std::string path =
      (std::filesystem::temp_directory_path() / "vxcl-preview-bench.png")
          .string();
  std::size_t warnings = 0, bytes = 0;
  for (auto _ : state) {
    const vxcl::preview::StreamPreview preview = vxcl::preview::PreviewStream(
        stream, metrics, *vxcl::CurrentPlatform().fonts);
    const std::string png =
        vxcl::preview::EncodePng(preview.labels, metrics.dotsPerMm);
    vxcl::preview::WriteFile(path, png);
    warnings = preview.warnings.size();
    bytes = png.size();
  }
  state.counters["warnings"] = static_cast<double>(warnings);
  state.counters["png_bytes"] = static_cast<double>(bytes);
  std::filesystem::remove(path);
}
BENCHMARK(BM_PreviewLabel)->Unit(benchmark::kMillisecond);

}  // namespace
