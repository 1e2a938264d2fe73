#!/usr/bin/env bash
# Builds the fuzz targets of the picture decoders and of the label preview
# with clang-14, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz/, then runs each decoder for SECONDS seconds (default 30)
# and the preview for PREVIEW_SECONDS (default 15) from its corpus in
# fuzz/corpus/.
# New inputs go to a scratch directory, so the corpus in the repository
# stays as it is; a finding is saved in build-fuzz/ and fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds="${1:-30}"
preview_seconds="${2:-15}"
build="${VXCL_FUZZ_BUILD_DIR:-$root/build-fuzz}"
sanitizers="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="$sanitizers" -DVXCL_BUILD_TESTS=OFF \
  -DVXCL_BUILD_TOOLS=OFF -DVXCL_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target pcx_fuzz bmp_fuzz preview_fuzz
for target in pcx bmp preview; do
  run_seconds="$seconds"
  [ "$target" = preview ] && run_seconds="$preview_seconds"
  scratch=$(mktemp -d)
  log="$build/${target}-fuzz.log"
  echo "fuzzing the $target target for $run_seconds s"
  if ! "$build/fuzz/${target}_fuzz" -max_total_time="$run_seconds" -timeout=20 \
    -print_final_stats=1 -artifact_prefix="$build/${target}-" \
    "$scratch" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    cat "$log"
    rm -rf "$scratch"
    exit 1
  fi
  grep -E "^(Done|stat::number_of_executed_units|stat::peak_rss_mb)" "$log" || true
  rm -rf "$scratch"
done
