#!/usr/bin/env bash
# Builds the fuzz targets in the sanitizer build (build-asan/: clang,
# libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs each for
# SECONDS seconds (default 30) from its corpus in fuzz/corpus/<target>/.
# Name targets after SECONDS to run only those (default: all). New inputs go
# to a scratch directory, so the corpus in the repository stays as it is; a
# finding is saved in the build directory and fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds="${1:-30}"
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(pcx bmp preview script code128 ean128 pdf417 data_matrix export_calls
    data_merge)
fi
build="${VXCL_FUZZ_BUILD_DIR:-$root/build-asan}"
"$root/scripts/configure-sanitized.sh" "$build"
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/%/_fuzz}" >/dev/null
source "$root/scripts/sanitizer-env.sh"
for target in "${targets[@]}"; do
  scratch=$(mktemp -d)
  log="$build/${target}-fuzz.log"
  echo "fuzzing $target for $seconds s"
  if ! "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$build/${target}-" \
    "$scratch" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    cat "$log"
    rm -rf "$scratch"
    exit 1
  fi
  grep -E "^(Done|stat::number_of_executed_units|stat::peak_rss_mb)" "$log" || true
  rm -rf "$scratch"
done
