// A 1,000-element label built and sent to a virtual printer: the C side of
// bench/python_label_bench.py, which builds the same label from Python.
#include <benchmark/benchmark.h>

#include <string>

#include "vxclcmd.h"

namespace {

constexpr const char* kPrinter = "label-build-bench";

void BuildLabel() {
  PrnInit(kPrinter, 3, 4, 100.0, 150.0, 0.0);
  for (int i = 0; i < 250; ++i) {
    const double y = (i % 100) * 1.0;
    const std::string text = "Item " + std::to_string(i);
    PrnDrawLine(2.0, y, 0, 2, 96.0);
    PrnDrawBox(2.0, y, 1, 1, 40.0, 10.0);
    PrnInternalFont(0, 4.0, y, "U", 1, 1, 0, text.c_str());
    PrnBarcode(0, 50.0, y, 'G', 1, 2, 10.0, text.c_str());
  }
  PrnQty(1);
  PrnEnd();
}

void ThousandElementLabel(benchmark::State& state) {
  VxclAddVirtualPrinter(kPrinter, 203, 104, 1000);
  int built = 0;
  for (auto _ : state) {
    BuildLabel();
    if (++built % 200 == 0) {  // the printer keeps every job: start afresh
      VxclRemoveVirtualPrinter(kPrinter);
      VxclAddVirtualPrinter(kPrinter, 203, 104, 1000);
    }
  }
  VxclRemoveVirtualPrinter(kPrinter);
}
BENCHMARK(ThousandElementLabel)->Unit(benchmark::kMicrosecond);

}  // namespace
