#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite there; LeakSanitizer checks
# every test program for leaks when it exits. Any finding fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${VXCL_SANITIZE_BUILD_DIR:-$root/build-asan}"
"$root/scripts/configure-sanitized.sh" "$build"
cmake --build "$build" -j "$(nproc)"
cd "$build"
source "$root/scripts/sanitizer-env.sh"
# The packaging test builds a host program without the sanitizers, which a
# sanitized library cannot be loaded into; the plain build runs it.
ctest --output-on-failure -j "$(nproc)" --timeout 600 -E '^install_consumer$'
