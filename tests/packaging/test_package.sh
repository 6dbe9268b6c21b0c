#!/usr/bin/env bash
# Builds the Debian package and checks its dependencies, its files and, where
# lintian is installed, Debian's policy.
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$tmp" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
deb=$(echo "$tmp"/euro-changeover-adviser_*.deb)
depends=$(dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed -e 's/(.*//' -e 's/ //g')
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
echo "Depends: $(echo $depends)"
for wanted in libqt6widgets6 libc6 qt6-qpa-plugins; do
  grep -qx "$wanted" <<<"$depends" || fail "no dependency on $wanted"
done
doc=share/doc/euro-changeover-adviser
for file in bin/euro-changeover-adviser share/applications/euro-changeover-adviser.desktop \
  share/icons/hicolor/scalable/apps/euro-changeover-adviser.svg $doc/copyright $doc/changelog.Debian.gz \
  share/man/man1/euro-changeover-adviser.1.gz share/man/el/man1/euro-changeover-adviser.1.gz; do
  grep -qx "./usr/$file" <<<"$contents" || fail "no $file in the package"
done

dpkg-deb --extract "$deb" "$tmp/root"
usr=$tmp/root/usr
grep -q '^Copyright: [0-9]\{4\}' "$usr/$doc/copyright" || fail "no copyright notice"
# Compressed without a name or time, so that every build gives the same bytes.
for gz in "$usr/$doc/changelog.Debian.gz" "$usr"/share/man/*/man1/*.gz "$usr"/share/man/man1/*.gz; do
  [[ $(head -c 8 "$gz" | od -An -tx1 | tr -d ' \n') == 1f8b080000000000 ]] || fail "$gz is not compressed with gzip -n"
done
version=$(dpkg-deb --field "$deb" Version)
[[ $(zcat "$usr/$doc/changelog.Debian.gz" | head -1) == "euro-changeover-adviser ($version) "* ]] ||
  fail "changelog.Debian does not begin with version $version"
program=$usr/bin/euro-changeover-adviser
! readelf -S "$program" | grep -q '\.symtab\|\.comment' || fail "the program is not stripped"
readelf -d "$program" | grep -q 'FLAGS.*NOW' && readelf -l "$program" | grep -q GNU_RELRO || fail "no full RELRO"

if command -v lintian >/dev/null; then
  lintian -EvIL +pedantic --fail-on error,warning "$deb" 2>/dev/null || fail "lintian reports errors or warnings"
else
  echo "SKIP: lintian is not installed, so Debian's policy checks did not run"
fi
echo "PASS: $deb"
