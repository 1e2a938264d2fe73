#!/usr/bin/env bash
# Configures BUILD_DIR (default build-asan/) for the sanitizer build: clang,
# AddressSanitizer and UndefinedBehaviorSanitizer (any finding stops the
# program), with the tests, the tool and the fuzz targets. scripts/sanitize.sh
# and scripts/fuzz.sh share it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build-asan}"
# -O1 and line tables only: quicker to build, and findings still name the
# source line.
flags="-O1 -gline-tables-only -DNDEBUG"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DVXCL_SANITIZE=ON -DVXCL_BUILD_FUZZ=ON -DVXCL_BUILD_TESTS=ON \
  -DVXCL_BUILD_TOOLS=ON -DVXCL_BUILD_BENCH=OFF >/dev/null
