#!/usr/bin/env bash
# Builds everything and runs every test: the one command CI runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="${VXCL_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVXCL_BUILD_BENCH=ON
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# (a clang build in build-asan/), then a short run of every fuzz target.
"$root/scripts/sanitize.sh"
"$root/scripts/fuzz.sh" "${VXCL_FUZZ_SECONDS:-10}"

# The Windows DLL, cross-built and checked under Wine (VXCL_SKIP_WINDOWS=1
# leaves it out).
if [[ "${VXCL_SKIP_WINDOWS:-0}" != 1 ]]; then
  "$root/scripts/windows.sh"
fi
