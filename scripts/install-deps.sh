#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt (or in the
# list given as argument) that are missing. Needs root (or sudo) only when
# something is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list="${1:-$here/packages.txt}"
missing=()
while read -r pkg _; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$pkg")
done <"$list"
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "installing: ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
