#!/usr/bin/env bash
# Fuzzes one family of readers for SECONDS seconds (default 60):
#   uploads   the protocol's decoders of the game's uploads (both sides share them)
#   requests  the ranking server's checks of every upload body it is sent
#   answers   the game's readers of the server's ranking and report answers
#   saves     the game's readers of my.dat, kousin.dat and name.dat
#   scripts   the reader of --script files and --record recordings
# Needs clang with libFuzzer; not part of the default build (CMake builds the targets with
# -DQUILLMOOR_FUZZ=ON in build-fuzz/cmake). The corpus stays in
# build-fuzz/TARGET/corpus between runs, and a crash leaves its input in build-fuzz/TARGET/.
#   scripts/fuzz.sh TARGET [SECONDS]
set -euo pipefail

target="${1:-}"
seconds="${2:-60}"
unit_seconds=1
case "$target" in
  # An upload is one short body; an answer may hold many lines.
  uploads)  max_len=4096 fuzzer_target=quillmoor-upload-fuzzer ;;
  answers)  max_len=65536 fuzzer_target=quillmoor-answer-fuzzer ;;
  requests) max_len=8192 fuzzer_target=quillmoor-request-fuzzer ;;
  scripts)  max_len=16384 fuzzer_target=quillmoor-script-fuzzer ;;
  # Each my.dat is also loaded and played for three hundred ticks: a longer time per input.
  saves)    max_len=65536 unit_seconds=10 fuzzer_target=quillmoor-save-fuzzer ;;
  *) target="" ;;
esac
if [ -z "$target" ] || ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 uploads|requests|answers|saves|scripts [SECONDS]" >&2
  exit 2
fi

cd "$(dirname "$0")/.."
work="build-fuzz/$target"
mkdir -p "$work/corpus" "$work/seeds"

# Every target is built by CMake in one fuzz build of its own (clang, the fuzzer's sanitizers),
# which knows what changed.
if [ ! -f build-fuzz/cmake/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz/cmake -G Ninja -Wno-dev \
    -DCMAKE_BUILD_TYPE=Debug -DQUILLMOOR_FUZZ=ON -DQUILLMOOR_TESTS=OFF -DQUILLMOOR_BENCH=OFF \
    > /dev/null
fi
cmake --build build-fuzz/cmake --target "$fuzzer_target"
fuzzer="build-fuzz/cmake/$fuzzer_target"

"$fuzzer" --write-seeds "$work/seeds"

log="$work/last-run.log"
status=0
# -timeout: one input that takes over a second (the saves: ten, as each is also played) means
# work that is not linear in its size.
# The libraries' own caches (fontconfig, for the text drawn while a save is played) are not
# the game's leaks: the tests' suppressions apply here too.
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
"$fuzzer" "$work/corpus" "$work/seeds" \
  -max_total_time="$seconds" -max_len="$max_len" -timeout="$unit_seconds" -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
echo "$target: ${runs:-?} runs in ${seconds} s, ${speed:-?} executions per second"
echo "corpus: $(find "$work/corpus" -type f | wc -l) inputs; log: $log"
if [ "$status" -ne 0 ]; then
  echo "The fuzzer stopped with status $status:" >&2
  grep -E "ERROR|SUMMARY|fuzzer:|Test unit written" "$log" >&2 || tail -n 30 "$log" >&2
fi
exit "$status"
