#!/usr/bin/env bash
# Load figures of the ranking server: starts one on loopback with a temporary database, fills
# the ranking with 1000 adventurers, measures fetches of the whole ranking and uploads per
# second, then the ranking side by side with nginx serving the same bytes (wrk), then a
# hostile load (one request in ten malformed), then attacks one after another (clients that
# never read, hundreds of unfinished requests from one address, floods of long targets, forged
# entries, writes from web pages, half-sent huge uploads) with a player's fetches measured
# meanwhile; prints the figures and stops the server again.
#
#   bench/server-load.sh [BUILD_FOLDER]     (default: build; run `make build` first)
#
# SECONDS_EACH (default 5) and CONNECTIONS (default 4) change the length of each measurement
# and the number of parallel connections; ROUNDS (default 3) the rounds of the comparison
# with nginx; HOSTILE_REQUESTS (default 100000) the requests of the hostile load;
# ATTACK_SECONDS (default 10) the length of each attack.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$root/$build ;; esac
server=$build/quillmoor-server
load=$build/quillmoor-server-load
for program in "$server" "$load" "$build/quillmoor-server-hostile" \
  "$build/quillmoor-server-attacks"; do
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

# Starts the server on loopback (a free port) with the options given, its log in
# $work/server.log; sets server_pid and port.
start_server() {
  "$server" --listen 127.0.0.1:0 --db "$work/bench.db" "$@" >"$work/stdout" 2>"$work/server.log" &
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
}
stop_server() {
  kill -TERM "$server_pid"
  local status=0
  wait "$server_pid" || status=$?
  server_pid=
  if [ "$status" -ne 0 ]; then
    echo "server-load: the server ended with status $status" >&2
    exit 1
  fi
}

# No limits per address: the load clients are one address.
start_server --writes-per-minute 0 --reports-per-minute 0 --entries-per-day 0 \
  --connections-per-address 512

echo "quillmoor-server on 127.0.0.1:$port ($(nproc) cores)"
"$load" --port "$port" --fill 1000 --seconds "${SECONDS_EACH:-5}" \
  --connections "${CONNECTIONS:-4}"

# The ranking side by side with nginx serving the same bytes as a static file, both measured
# by wrk in the same run with the same threads, connections and length, in alternating rounds
# (ROUNDS, default 3; the median of each counts), so that a busy moment of the machine does
# not fall on one side only. wrk, nginx and curl are installed here when they are missing
# (they are only needed for this comparison).
need=()
command -v wrk >/dev/null || need+=(wrk)
command -v nginx >/dev/null || [ -x /usr/sbin/nginx ] || need+=(nginx)
command -v curl >/dev/null || need+=(curl)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
nginx_bin=$(command -v nginx || echo /usr/sbin/nginx)
path=/zkv/zkv_rank.exe
mkdir -p "$work/www/zkv" "$work/nginx-temp"
curl -s -o "$work/www$path" "http://127.0.0.1:$port$path"
# nginx's workers run as an unprivileged user when started by root: they must read the file.
chmod 755 "$work"
chmod -R a+rX "$work/www"

# nginx as a fair opponent: one worker process per core (our server is one process whose
# threads use every core), keep-alive for as many requests as ours, and the settings that
# served this file fastest here: the file's handle kept open, and the whole file read into
# one buffer and written at once (on loopback that beats sendfile, which was about half as
# fast for this file).
nginx_config() {
  cat <<CONF
worker_processes $(nproc);
daemon off;
pid $work/nginx.pid;
error_log $work/nginx-error.log;
events { worker_connections 1024; }
http {
  access_log off;
  client_body_temp_path $work/nginx-temp/body;
  proxy_temp_path $work/nginx-temp/proxy;
  fastcgi_temp_path $work/nginx-temp/fastcgi;
  uwsgi_temp_path $work/nginx-temp/uwsgi;
  scgi_temp_path $work/nginx-temp/scgi;
  types { }
  default_type "text/plain; charset=Shift_JIS";
  sendfile off;
  output_buffers 1 512k;
  open_file_cache max=16;
  keepalive_requests 1000;
  keepalive_timeout 5s;
  server { listen 127.0.0.1:$1; root $work/www; }
}
CONF
}
# A free loopback port: one nothing answers on, and where our nginx then serves the file.
nginx_pid=
nginx_port=
trap 'if [ -n "$nginx_pid" ]; then kill "$nginx_pid" 2>/dev/null || true; fi; cleanup' EXIT
for _ in $(seq 20); do
  candidate=$((20000 + RANDOM % 40000))
  if (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then continue; fi
  nginx_config "$candidate" >"$work/nginx.conf"
  "$nginx_bin" -c "$work/nginx.conf" 2>>"$work/nginx-error.log" &
  nginx_pid=$!
  for _ in $(seq 50); do
    kill -0 "$nginx_pid" 2>/dev/null || break
    if curl -s -o /dev/null "http://127.0.0.1:$candidate$path"; then
      nginx_port=$candidate
      break
    fi
    sleep 0.1
  done
  [ -n "$nginx_port" ] && break
  kill "$nginx_pid" 2>/dev/null || true
  wait "$nginx_pid" 2>/dev/null || true
  nginx_pid=
done
if [ -z "$nginx_port" ]; then
  echo "server-load: nginx did not start" >&2
  cat "$work/nginx-error.log" >&2
  exit 1
fi
if ! cmp -s "$work/www$path" <(curl -s "http://127.0.0.1:$nginx_port$path"); then
  echo "server-load: nginx does not serve the same ranking" >&2
  exit 1
fi
rate() {  # requests per second wrk measured at the address; its complaints go to stderr
  local out
  out=$(wrk -t2 -c"${CONNECTIONS:-4}" -d"${SECONDS_EACH:-5}s" "$1")
  grep -E "Non-2xx|Socket errors" <<<"$out" >&2 || true
  sed -n 's/^Requests\/sec: *//p' <<<"$out"
}
median() { tr ' ' '\n' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ours_all=()
theirs_all=()
for _ in $(seq "${ROUNDS:-3}"); do
  ours_all+=("$(rate "http://127.0.0.1:$port$path")")
  theirs_all+=("$(rate "http://127.0.0.1:$nginx_port$path")")
done
ours=$(echo "${ours_all[*]}" | median)
theirs=$(echo "${theirs_all[*]}" | median)
echo "ranking of 1000 ($(stat -c %s "$work/www$path") bytes) with wrk, 2 threads, ${CONNECTIONS:-4} connections, ${SECONDS_EACH:-5} s each, ${ROUNDS:-3} rounds, $(nproc) cores:"
echo "  quillmoor-server  $ours requests/s (rounds: ${ours_all[*]})"
echo "  nginx (static)    $theirs requests/s (rounds: ${theirs_all[*]}; $(nproc) workers)"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "  ours is %.0f %% of nginx\n", 100 * a / b }'
kill "$nginx_pid" 2>/dev/null || true
wait "$nginx_pid" 2>/dev/null || true
nginx_pid=

# A hostile load on the same server: HOSTILE_REQUESTS (default 100000) requests, one in ten
# malformed (bad encodings, bodies over the limit, slow and half-open connections, garbage
# request lines). The server must stay up, refuse every malformed one, keep its memory bounded
# and store none of them.
hostile_status=0
"$build/quillmoor-server-hostile" --port "$port" --requests "${HOSTILE_REQUESTS:-100000}" \
  --server-pid "$server_pid" || hostile_status=$?

stop_server
if [ "$hostile_status" -ne 0 ]; then
  echo "server-load: the server did not come through the hostile load" >&2
  exit 1
fi

# Attacks on the same island, the server restarted with its default limits and uploads of up
# to 1 MiB allowed, each attack for ATTACK_SECONDS (default 10) while a player fetches the
# ranking ten times a second: the player must keep 99 % of the answers within a second, the
# server's memory stay under 100 MiB, its log grow under 1 MB a minute, and nothing be stored
# that the rules refuse.
start_server --max-body 1048576
echo "attacks on 127.0.0.1:$port, ${ATTACK_SECONDS:-10} s each:"
attack_status=0
"$build/quillmoor-server-attacks" --port "$port" --seconds "${ATTACK_SECONDS:-10}" \
  --server-pid "$server_pid" --server-log "$work/server.log" || attack_status=$?
stop_server
echo "server stopped"
if [ "$attack_status" -ne 0 ]; then
  echo "server-load: an attack kept the server from its goals" >&2
  exit 1
fi
