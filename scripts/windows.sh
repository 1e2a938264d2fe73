#!/usr/bin/env bash
# Cross-builds VXCLCMD.dll for 32- and 64-bit Windows (build-win32/,
# build-win64/) with Debian's mingw-w64 toolchains and runs its checks under
# Wine: the export table, and the test hosts (calling convention of every
# export, whole jobs byte for byte, message queue, winspool). Installs the
# toolchains and Wine when missing (root or sudo needed then).
#
# Some machines cannot execute 32-bit programs at all (no i386 support in the
# kernel); there the 32-bit DLL and its test hosts are still built, which
# checks every export's argument byte count at link time, and only the 64-bit
# checks run, with a line saying so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
"$root/scripts/install-deps.sh" "$root/scripts/windows-packages.txt"

wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
wine32_runs=0
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  wine32_runs=1
fi

# One 64-bit Wine prefix for both builds (it runs 32-bit programs where the
# machine can), created once before the checks share it; headless and quiet.
export WINEPREFIX="${VXCL_WINEPREFIX:-$root/build-wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
export WINESERVER="$wineserver"
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  "$wine64" wineboot -i >/dev/null 2>&1
  "$wineserver" -w
fi

for bits in 32 64; do
  case $bits in
    32) toolchain=mingw-w64-i686 wine=/usr/lib/wine/wine runs=$wine32_runs ;;
    64) toolchain=mingw-w64-x86_64 wine=$wine64 runs=1 ;;
  esac
  build="${VXCL_BUILD_DIR:-$root/build}-win$bits"
  cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVXCL_BUILD_TESTS=OFF -DVXCL_BUILD_TOOLS=OFF \
    -DVXCL_BUILD_WINDOWS_TESTS=ON -DVXCL_WINEPREFIX="$WINEPREFIX" \
    -DVXCL_WINE="$wine"
  cmake --build "$build" -j "$(nproc)"
  if [[ $runs == 1 ]]; then
    (cd "$build" && ctest --output-on-failure --timeout 300)
  else
    echo "windows.sh: this machine cannot execute 32-bit programs;" \
      "the 32-bit DLL and its test hosts were built, not run"
  fi
done
"$wineserver" -k 2>/dev/null || true
