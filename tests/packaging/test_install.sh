#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates its desktop entry and
# metainfo, and starts the installed program from its read-only folder with a
# home of its own: its settings must go to the configuration folder.
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done
tmp=$(mktemp -d)
pid=
cleanup() {
  [[ -z $pid ]] || kill "$pid" 2>/dev/null || true
  chmod -R u+w "$tmp"
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/euro-changeover-adviser.desktop"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
[[ -f $prefix/share/icons/hicolor/scalable/apps/euro-changeover-adviser.svg ]] || fail "no icon"

# Settings an administrator left beside the program carry over to the user.
printf '[General]\r\nLanguage=True\r\n' >"$prefix/bin/zkEuroChangeoverAdviser.ini"
# Without any write bit the program takes its folder as read-only, also when
# the test runs as root (whom the bits would not stop).
chmod a-w "$prefix/bin"
before=$(cd "$prefix/bin" && ls -l --time-style=full-iso && md5sum -- *)
mkdir -m 700 "$tmp/home" "$tmp/runtime" "$tmp/tmp"
settings=$tmp/home/.config/euro-changeover-adviser/zkEuroChangeoverAdviser.ini
env HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_RUNTIME_DIR="$tmp/runtime" TMPDIR="$tmp/tmp" \
  QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$prefix/bin/euro-changeover-adviser" &
pid=$!
# The first conversion runs at start-up and writes the last currency and amount.
for _ in $(seq 100); do
  grep -qs '^\[Last\]' "$settings" && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended at start"
  sleep 0.1
done
grep -qs '^\[Last\]' "$settings" || fail "no settings written to $settings"
grep -q '^Language=True' "$settings" || fail "the administrator's settings did not carry over"
[[ -f $tmp/runtime/zkEuroChangeoverAdviser.lock ]] || fail "no lock in the runtime folder"
kill -0 "$pid" 2>/dev/null || fail "the program did not keep running"
after=$(cd "$prefix/bin" && ls -l --time-style=full-iso && md5sum -- *)
[[ $before == "$after" ]] || fail "the program's folder changed"
echo "PASS: installed, validated, settings in $settings"
