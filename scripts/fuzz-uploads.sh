#!/usr/bin/env bash
# Fuzzes the decoders of the ranking server's uploads for SECONDS seconds (default 60).
# Needs clang with libFuzzer; not part of the default build. The corpus stays in
# build-fuzz/corpus between runs, and a crash leaves its input in build-fuzz/.
#   scripts/fuzz-uploads.sh [SECONDS]
set -euo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

cd "$(dirname "$0")/.."
mkdir -p build-fuzz/corpus build-fuzz/seeds

fuzzer=build-fuzz/upload-fuzzer
sources=(tools/fuzz/upload_fuzzer.cpp net/protocol_codec.cpp platform/text_codec.cpp)
rebuild=0
[ -x "$fuzzer" ] || rebuild=1
for f in "${sources[@]}" net/protocol_codec.h platform/text_codec.h; do
  [ "$f" -nt "$fuzzer" ] && rebuild=1
done
if [ "$rebuild" -eq 1 ]; then
  echo "Building $fuzzer"
  clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I. "${sources[@]}" -o "$fuzzer"
fi

"$fuzzer" --write-seeds build-fuzz/seeds

log=build-fuzz/last-run.log
status=0
# -timeout: one input that takes over a second means work that is not linear in its size.
"$fuzzer" build-fuzz/corpus build-fuzz/seeds \
  -max_total_time="$seconds" -max_len=4096 -timeout=1 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/ >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
echo "runs: ${runs:-?} in ${seconds} s, ${speed:-?} executions per second"
echo "corpus: $(find build-fuzz/corpus -type f | wc -l) inputs; log: $log"
if [ "$status" -ne 0 ]; then
  echo "The fuzzer stopped with status $status:" >&2
  grep -E "ERROR|SUMMARY|upload fuzzer|Test unit written" "$log" >&2 || tail -n 30 "$log" >&2
fi
exit "$status"
