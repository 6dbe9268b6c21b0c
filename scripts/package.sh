#!/usr/bin/env bash
# Builds the program and packs it as a Debian package in build/package/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build.sh"
cpack -G DEB --config "$root/build/CPackConfig.cmake" -B "$root/build/package"
ls "$root"/build/package/euro-changeover-adviser_*.deb
