#!/usr/bin/env bash
# Builds the library and the vxlabel tool, then prints the sample label on a
# virtual 203 dpi printer and shows the bytes it received.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="${VXCL_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target vxlabel
# Scripts name their picture files relative to the repository root.
cd "$root"
"$build/tools/vxlabel/vxlabel" run "$root/examples/${1:-first_label}.vxl" \
  --out "$build/jobs"
