#!/usr/bin/env bash
# Builds the Debian package and checks its dependencies and its files.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/euro-changeover-adviser_*.deb)
[[ -f ${debs[0]} ]] || fail "no package built"
depends=$(dpkg-deb --field "${debs[0]}" Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed -e 's/(.*//' -e 's/ //g')
for package in libqt6widgets6 libqt6core6 libc6 qt6-qpa-plugins; do
  grep -qx "$package" <<<"$names" || fail "no dependency on $package"
done
contents=$(dpkg-deb --contents "${debs[0]}")
for file in ./usr/bin/euro-changeover-adviser ./usr/share/applications/euro-changeover-adviser.desktop \
  ./usr/share/icons/hicolor/scalable/apps/euro-changeover-adviser.svg; do
  grep -q " $file\$" <<<"$contents" || fail "$file is not in the package"
done
echo "PASS: ${debs[0]##*/}"
