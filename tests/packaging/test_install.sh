#!/usr/bin/env bash
# Installs into a temporary prefix, validates the desktop entry and metainfo, and
# starts the installed program from its read-only folder with a home of its own.
set -euo pipefail
tmp=$(mktemp -d) pid=
trap '[[ -z $pid ]] || kill $pid 2>/dev/null || true; chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$tmp/prefix
cmake --install "$1" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/euro-changeover-adviser.desktop" || fail "desktop entry"
# Nothing reported, not even a pedantic note.
appstreamcli validate --pedantic --no-net "$prefix"/share/metainfo/*.metainfo.xml >"$tmp/metainfo" || fail "metainfo"
! grep -q '^[EWIP]:' "$tmp/metainfo" || { cat "$tmp/metainfo"; fail "metainfo notes"; }

# The manual pages list the options --help lists.
for language in english:man1 greek:el/man1; do
  page=$prefix/share/man/${language#*:}/euro-changeover-adviser.1.gz language=${language%:*}
  listed=$(zcat "$page" | sed -n '/^\.TP$/{n;/^\.B.*\\-/p}' | grep -oE '\\-(\\-)?[a-z]+' | tr -d '\\' | sort)
  helped=$("$prefix/bin/euro-changeover-adviser" --$language --help | grep -E '^ +-' | grep -oE -- '-+[a-z]+' | sort)
  [[ -n $listed && $listed == "$helped" ]] || fail "the $language manual page lists $(echo $listed), --help $(echo $helped)"
done

# An administrator's settings carry over; no write bit stops root too.
mkdir -p "$tmp/xdg/euro-changeover-adviser"
printf '[General]\r\nLanguage=True\r\n' >"$tmp/xdg/euro-changeover-adviser/zkEuroChangeoverAdviser.ini"
chmod a-w "$prefix/bin"
before=$(ls -l --full-time "$prefix/bin"; md5sum "$prefix"/bin/*)
mkdir -m 700 "$tmp/home" "$tmp/run" "$tmp/tmp"
settings=$tmp/home/.config/euro-changeover-adviser/zkEuroChangeoverAdviser.ini
HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_CONFIG_DIRS=$tmp/xdg XDG_RUNTIME_DIR=$tmp/run TMPDIR=$tmp/tmp QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/euro-changeover-adviser" &
pid=$!
# The conversion run at start-up writes the last currency and amount.
for _ in $(seq 100); do
  grep -qs '^\[Last\]' "$settings" && break
  sleep 0.1
done
kill -0 $pid || fail "the program did not keep running"
grep -qs '^\[Last\]' "$settings" || fail "no settings in $settings"
grep -q '^Language=True' "$settings" || fail "the administrator's settings did not carry over"
[[ -f $tmp/run/zkEuroChangeoverAdviser.lock ]] || fail "no lock in the runtime folder"
[[ $before == "$(ls -l --full-time "$prefix/bin"; md5sum "$prefix"/bin/*)" ]] || fail "the program's folder changed"
echo "PASS: installed program keeps its settings in $settings"
