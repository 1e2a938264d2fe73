// Throughput of the Code 128 code-set optimiser on long mixed data: letters,
// digit runs of every length, control bytes and explicit pairs.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "barcode/code128_optimizer.h"

namespace {

std::string MixedData(std::size_t size) {
  std::mt19937 random(7);
  auto pick = [&](unsigned n) { return static_cast<int>(random() % n); };
  static const char* const kPairs[] = {">C", ">D", ">E", ">F", ">a", ">>"};
  std::string data;
  data.reserve(size + 16);
  while (data.size() < size) {
    switch (pick(5)) {
      case 0:
      case 1:
        for (int n = pick(12) + 1; n > 0; --n)
          data += static_cast<char>('0' + pick(10));
        break;
      case 2:
        for (int n = pick(8) + 1; n > 0; --n)
          data += static_cast<char>('A' + pick(26));
        break;
      case 3:
        data += static_cast<char>(pick(32));
        break;
      default:
        data += kPairs[pick(6)];
    }
  }
  data.resize(size);
  return data;
}

void BM_Code128Optimizer(benchmark::State& state) {
  const std::string data = MixedData(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(vxcl::Code128Optimizer(data));
  state.SetBytesProcessed(static_cast<long long>(state.iterations()) *
                          state.range(0));
}
BENCHMARK(BM_Code128Optimizer)->Arg(64)->Arg(4096)->Arg(1 << 20);

}  // namespace
