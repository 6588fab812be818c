#!/usr/bin/env bash
# Plants faults one at a time and tells which ones the test suite catches.
#
#   tools/plant-faults.sh FAULTS [LOG]
#
# FAULTS holds one fault a line: layer <TAB> file <TAB> sed script <TAB> what
# the fault is [<TAB> the tests likely to catch it, by target name, to try
# first]; blank lines and lines starting with # are skipped. Each fault is
# applied with `sed -i` to its file and the file is restored from git
# afterwards. Only the tests that link the changed code are rebuilt and run
# (-j2: the machine is shared), the likely ones first, then those of the
# changed library, then the window tests; the first failure stops the run. A
# fault whose sed changes nothing is reported and left out of the count.
set -uo pipefail

faults=${1:?usage: tools/plant-faults.sh FAULTS [LOG]}
log=${2:-/dev/null}
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
cd "$root" || exit 1

# Test targets by what they link (see tests/CMakeLists.txt).
all_tests=$(cd tests && find . -name 'test_*.cpp' | sed -E 's|^\./([^/]+)/([^.]+)\.cpp$|\1_\2|' | sort)
cardlib_tests=$(grep '^cardlib_' <<<"$all_tests")
rules_tests=$(grep -E '^(game_|records_)' <<<"$all_tests" | grep -v '_test_frm')
window_tests=$(grep -vxF -f <(printf '%s\n%s\n' "$cardlib_tests" "$rules_tests") <<<"$all_tests")

# Builds and runs one set of tests; fails when the build or a test fails.
run_set() {
  local targets=() regex
  for t in $1; do targets+=(--target "$t"); done
  [ ${#targets[@]} -eq 0 ] && return 0
  regex="^($(tr '\n' '|' <<<"$1" | sed 's/|$//'))\$"
  cmake --build "$build" -j2 "${targets[@]}" >>"$log" 2>&1 || return 1
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j2 --stop-on-failure -R "$regex" >>"$log" 2>&1
}

current=""
restore() { [ -n "$current" ] && git checkout -q -- "$current"; current=""; }
trap 'restore; exit 130' INT TERM

declare -A planted caught
while IFS=$'\t' read -r layer file script what likely; do
  [[ -z "$layer" || "$layer" == \#* ]] && continue
  if [ -n "$(git status --porcelain -- "$file")" ]; then
    echo "SKIP  $file has uncommitted changes: $what"
    continue
  fi
  current="$file"
  sed -i -e "$script" "$file"
  if git diff --quiet -- "$file"; then
    echo "NOT APPLIED  [$layer] $file: $what"
    restore
    continue
  fi
  planted[$layer]=$(( ${planted[$layer]:-0} + 1 ))
  case "$file" in
    src/cardlib/*) sets=("$cardlib_tests" "$rules_tests
$window_tests") ;;
    src/game/* | src/records/[!f]*) sets=("$rules_tests" "$window_tests") ;;
    *) sets=("$window_tests") ;;
  esac
  if [ -n "${likely:-}" ]; then
    likely=$(tr ' ' '\n' <<<"$likely")
    rest=()
    for set in "${sets[@]}"; do rest+=("$(grep -vxF -f <(echo "$likely") <<<"$set")"); done
    sets=("$likely" "${rest[@]}")
  fi
  result="ESCAPED"
  for set in "${sets[@]}"; do
    if ! run_set "$set"; then result="CAUGHT"; break; fi
  done
  [ "$result" = CAUGHT ] && caught[$layer]=$(( ${caught[$layer]:-0} + 1 ))
  echo "$result  [$layer] $file: $what"
  restore
done <"$faults"

# Leaves the build matching the restored sources.
for t in $all_tests; do echo "--target $t"; done | xargs cmake --build "$build" -j2 >>"$log" 2>&1
for layer in "${!planted[@]}"; do
  echo "$layer: ${caught[$layer]:-0} of ${planted[$layer]} caught"
done
