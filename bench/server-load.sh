#!/usr/bin/env bash
# Load figures of the ranking server: starts one on loopback with a temporary database, fills
# the ranking with 1000 adventurers, measures fetches of the whole ranking and uploads per
# second, prints the figures and stops the server again.
#
#   bench/server-load.sh [BUILD_FOLDER]     (default: build; run `make build` first)
#
# SECONDS_EACH (default 5) and CONNECTIONS (default 4) change the length of each measurement
# and the number of parallel connections.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$root/$build ;; esac
server=$build/quillmoor-server
load=$build/quillmoor-server-load
for program in "$server" "$load"; do
  if [ ! -x "$program" ]; then
    echo "server-load: $program is missing; build first (make build)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmoor-server-load.XXXXXX")
server_pid=
cleanup() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill -TERM "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Loopback only, a free port, no write limit (the load client is one address).
"$server" --listen 127.0.0.1:0 --db "$work/bench.db" --writes-per-minute 0 \
  >"$work/stdout" 2>"$work/server.log" &
server_pid=$!

port=
for _ in $(seq 100); do
  line=$(head -n 1 "$work/stdout" 2>/dev/null || true)
  if [[ $line == "listening on 127.0.0.1:"* ]]; then
    port=${line##*:}
    break
  fi
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "server-load: the server did not start" >&2
  cat "$work/server.log" >&2
  exit 1
fi

echo "quillmoor-server on 127.0.0.1:$port ($(nproc) cores)"
"$load" --port "$port" --fill 1000 --seconds "${SECONDS_EACH:-5}" \
  --connections "${CONNECTIONS:-4}"

kill -TERM "$server_pid"
status=0
wait "$server_pid" || status=$?
server_pid=
if [ "$status" -ne 0 ]; then
  echo "server-load: the server ended with status $status" >&2
  exit 1
fi
echo "server stopped"
