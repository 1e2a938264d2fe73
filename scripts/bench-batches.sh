#!/bin/sh
# Batch speed and memory: 1,000 distinct labels through a private CUPS
# scheduler in one batch, 20 labels one job each, the same 1,000 labels
# through `vxlabel run --data`, and the peak memory of a 100,000-label batch
# on a virtual printer. Builds into build-bench/ (or $BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVXCL_BUILD_BENCH=ON \
  -DVXCL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target cups_batch_bench batch_memory vxlabel
"$build"/bench/cups_batch_bench --benchmark_counters_tabular=true
"$build"/bench/batch_memory "${LABELS:-100000}"
