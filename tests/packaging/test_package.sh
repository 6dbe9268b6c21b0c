#!/usr/bin/env bash
# Builds the Debian package and checks its dependencies and files.
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$tmp" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
deb=$(echo "$tmp"/euro-changeover-adviser_*.deb)
depends=$(dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed -e 's/(.*//' -e 's/ //g')
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
echo "Depends: $(echo $depends)"
for wanted in libqt6widgets6 libc6 qt6-qpa-plugins; do
  grep -qx "$wanted" <<<"$depends" || { echo "FAIL: no dependency on $wanted"; exit 1; }
done
for file in bin/euro-changeover-adviser share/applications/euro-changeover-adviser.desktop \
  share/icons/hicolor/scalable/apps/euro-changeover-adviser.svg; do
  grep -qx "./usr/$file" <<<"$contents" || { echo "FAIL: no $file in the package"; exit 1; }
done
echo "PASS: $deb"
