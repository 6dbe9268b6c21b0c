#!/usr/bin/env bash
# Plants faults in the code one at a time, rebuilds, runs the tests and counts
# how many of the faults the tests catch. Slow (a build per fault); not part of
# the test run. Usage: scripts/mutate.sh [faults.tsv] [ctest -R pattern]
#
# Each line of the list is: file <TAB> text <TAB> replacement <TAB> what it
# plants; "\n" in the text and the replacement stands for a line break. The
# text must occur exactly once in the file. Lines starting with # are notes.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
list=$(realpath "${1:-$root/scripts/mutations.tsv}")
only=${2:-}
build=${MUTATE_BUILD:-$root/build-mutate}
export QT_QPA_PLATFORM=offscreen

# plant <index>: applies fault <index> of the list; prints "<file>\t<name>", or
# "STALE\t<reason>" when its text is not found exactly once.
plant() {
  python3 - "$list" "$root" "$1" <<'PY'
import sys
rows = [l.rstrip('\n').split('\t') for l in open(sys.argv[1], encoding='utf-8')
        if l.strip() and not l.startswith('#')]
file, text, replacement, name = rows[int(sys.argv[3])]
text, replacement = text.replace('\\n', '\n'), replacement.replace('\\n', '\n')
path = sys.argv[2] + '/' + file
source = open(path, encoding='utf-8').read()
if source.count(text) != 1:
    print(f'STALE\t{name} ({file}: found {source.count(text)} times)')
else:
    open(path + '.unplanted', 'w', encoding='utf-8').write(source)
    open(path, 'w', encoding='utf-8').write(source.replace(text, replacement))
    print(f'{file}\t{name}')
PY
}
count=$(grep -cv '^\(#\|\s*$\)' "$list")

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
# With a pattern, only the test programs it names are rebuilt for each fault: a
# fault then costs one compile and a few links instead of relinking everything.
build_args=(--build "$build" --parallel "$(nproc)")
if [[ -n $only ]]; then
  mapfile -t targets < <(cmake --build "$build" --target help | sed -n 's/^\.\.\. \(test_[a-z_]*\)$/\1/p' | grep -v "_autogen$" | grep -E "$only")
  # The program is started by some tests.
  build_args+=(--target euro-changeover-adviser "${targets[@]}")
fi
cmake "${build_args[@]}" >/dev/null || { echo "the unchanged tree does not build"; exit 1; }
# The packaging tests check files, not logic: they cannot catch a planted fault.
ctest_args=(--test-dir "$build" --parallel "$(nproc)" --timeout 120 -E "test_install|test_package")
[[ -n $only ]] && ctest_args+=(-R "$only")
ctest "${ctest_args[@]}" >/dev/null || { echo "the unchanged tree fails its tests"; exit 1; }

caught=0 survived=0 unbuilt=0 stale=0
survivors=()
for ((i = 0; i < count; i++)); do
  IFS=$'\t' read -r file name < <(plant "$i")
  if [[ $file == STALE ]]; then
    echo "STALE     $name"
    stale=$((stale + 1))
    continue
  fi
  if ! cmake "${build_args[@]}" >/dev/null 2>&1; then
    echo "UNBUILT   $name"
    unbuilt=$((unbuilt + 1))
  elif ctest "${ctest_args[@]}" >/dev/null 2>&1; then
    echo "SURVIVED  $name"
    survived=$((survived + 1))
    survivors+=("$name")
  else
    echo "caught    $name"
    caught=$((caught + 1))
  fi
  mv "$root/$file.unplanted" "$root/$file"
  touch "$root/$file" # newer than what the fault built, so that it is built again
done
cmake "${build_args[@]}" >/dev/null 2>&1

echo
echo "caught $caught of $((caught + survived)) planted faults ($survived survived, $unbuilt did not build, $stale stale)"
for name in "${survivors[@]}"; do echo "  survived: $name"; done
