#!/usr/bin/env bash
# Cross-builds VXCLCMD.dll for 32- and 64-bit Windows (build-win32/,
# build-win64/) with Debian's mingw-w64 toolchains and runs its checks under
# Wine: the export table, and the test hosts (calling convention of every
# export, whole jobs byte for byte, message queue, winspool). Installs the
# toolchains and Wine when missing (root or sudo needed then).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
"$root/scripts/install-deps.sh" "$root/scripts/windows-packages.txt"

# One Wine prefix for both builds (a 64-bit prefix runs 32-bit programs),
# created once before the checks share it; headless and quiet.
export WINEPREFIX="${VXCL_WINEPREFIX:-$root/build-wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

for bits in 32 64; do
  case $bits in
    32) toolchain=mingw-w64-i686 ;;
    64) toolchain=mingw-w64-x86_64 ;;
  esac
  build="${VXCL_BUILD_DIR:-$root/build}-win$bits"
  cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVXCL_BUILD_TESTS=OFF -DVXCL_BUILD_TOOLS=OFF \
    -DVXCL_BUILD_WINDOWS_TESTS=ON -DVXCL_WINEPREFIX="$WINEPREFIX"
  cmake --build "$build" -j "$(nproc)"
  (cd "$build" && ctest --output-on-failure --timeout 300)
done
wineserver -k 2>/dev/null || true
