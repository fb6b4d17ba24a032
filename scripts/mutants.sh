#!/usr/bin/env bash
# Tries one-line changes to the game's rules against the test suite and prints the changes no
# test noticed.
#
#   scripts/mutants.sh [LIST] [PATTERN]
#
# LIST (default scripts/mutants.txt) holds one change a line: the file, the text as it stands
# and the text to put in its place, separated by tabs (an empty third field removes the text).
# The text must occur exactly once in the file; "\n" in a field stands for a line break, so a
# text that is not unique on one line can take in the next. Lines starting with # and empty
# lines are skipped. PATTERN, when given, keeps only the changes whose line contains it.
#
# The project is copied to build-mutants/src (the working tree as it is, committed or not) and
# built there in release with the tests; the game's own test program then runs once as it
# stands (it must pass) and once per change, stopping at its first failure. A change is
# caught when the tests fail, and counted apart when it does not build. The working tree is
# never touched. The first run builds everything (some minutes); later runs rebuild only what
# a change touches.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list=${1:-$root/scripts/mutants.txt}
pattern=${2:-}
work=${MUTANTS_DIR:-$root/build-mutants}
src=$work/src
build=$work/build

[[ -f $list ]] || { echo "mutants: no list at $list" >&2; exit 2; }
list=$(cd "$(dirname "$list")" && pwd)/$(basename "$list")

# The sources as they are now, with their times kept so that the build only redoes what
# changed since the last run.
rm -rf "$src"
mkdir -p "$src"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done |
    xargs -0 cp -a --parents -t "$src")

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMOOR_TESTS=ON \
    >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
echo "mutants: building the tests (the first run takes a while)"
cmake --build "$build" --target quillmoor-tests >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log"; exit 1; }

run_tests() {
    (cd "$build" && ./quillmoor-tests --gtest_fail_fast --gtest_brief=1) >"$work/tests.log" 2>&1
}
run_tests || { echo "mutants: the tests fail without any change; see $work/tests.log" >&2; exit 1; }

tried=0 caught=0 missed=0 unbuilt=0 unusable=0
missed_lines=()
while IFS= read -r line || [[ -n $line ]]; do
    [[ -z $line || $line == \#* ]] && continue
    [[ -n $pattern && $line != *"$pattern"* ]] && continue
    IFS=$'\t' read -r file original changed <<<"$line"
    label="$file: \"$original\" -> \"$changed\""
    original=${original//\\n/$'\n'}
    changed=${changed//\\n/$'\n'}
    target=$src/$file
    if [[ ! -f $target || -z $original ]]; then
        echo "  ?  $file: no such file, or nothing to change"
        unusable=$((unusable + 1))
        continue
    fi
    before=$(<"$target")
    rest=${before//"$original"/}
    occurrences=$(((${#before} - ${#rest}) / ${#original}))
    if ((occurrences != 1)); then
        echo "  ?  $file: \"$original\" occurs $occurrences times"
        unusable=$((unusable + 1))
        continue
    fi
    tried=$((tried + 1))
    cp -p "$target" "$work/saved"
    printf '%s\n' "${before/"$original"/"$changed"}" >"$target"
    if ! cmake --build "$build" --target quillmoor-tests >"$work/build.log" 2>&1; then
        echo "  !  $label (does not build)"
        unbuilt=$((unbuilt + 1))
    elif run_tests; then
        echo "  -  $label"
        missed=$((missed + 1))
        missed_lines+=("$label")
    else
        failed=$(grep -m1 -o '\[  FAILED  \] [^ ]*' "$work/tests.log" | cut -c14- || true)
        echo "  +  $label  (${failed:-caught})"
        caught=$((caught + 1))
    fi
    # Back as it was, with a new time so that the next build takes it in again.
    cp "$work/saved" "$target"
    touch "$target"
done <"$list"

echo
echo "mutants: $tried tried, $caught caught, $missed not caught, $unbuilt did not build," \
    "$unusable not usable"
for l in "${missed_lines[@]}"; do echo "  not caught: $l"; done
cmake --build "$build" --target quillmoor-tests >/dev/null 2>&1 || true
