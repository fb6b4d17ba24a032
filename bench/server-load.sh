#!/usr/bin/env bash
# Load figures of the ranking server: starts one on loopback with a temporary database, fills
# the ranking with 1000 adventurers, measures fetches of the whole ranking and uploads per
# second, then the ranking side by side with nginx serving the same bytes (wrk), then a
# hostile load (HOSTILE_REQUESTS, default 100000, one in ten malformed), prints the figures
# and stops the server again.
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
for program in "$server" "$load" "$build/quillmoor-server-hostile"; do
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

# The ranking side by side with nginx serving the same bytes as a static file, both measured
# by wrk with the same threads, connections and length. wrk and nginx are installed here when
# they are missing (they are only needed for this comparison).
need=()
command -v wrk >/dev/null || need+=(wrk)
command -v nginx >/dev/null || [ -x /usr/sbin/nginx ] || need+=(nginx)
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
nginx_port=$(( (port % 20000) + 30000 ))
cat >"$work/nginx.conf" <<CONF
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
  sendfile on;
  keepalive_requests 1000;
  server { listen 127.0.0.1:$nginx_port; root $work/www; }
}
CONF
"$nginx_bin" -c "$work/nginx.conf" &
nginx_pid=$!
trap 'kill "$nginx_pid" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$nginx_port$path" && break
  sleep 0.1
done
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
ours=$(rate "http://127.0.0.1:$port$path")
theirs=$(rate "http://127.0.0.1:$nginx_port$path")
echo "ranking of 1000 ($(stat -c %s "$work/www$path") bytes) with wrk, 2 threads, ${CONNECTIONS:-4} connections, ${SECONDS_EACH:-5} s each:"
echo "  quillmoor-server  $ours requests/s"
echo "  nginx (static)    $theirs requests/s ($(nproc) workers, sendfile)"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "  ours is %.0f %% of nginx\n", 100 * a / b }'
kill "$nginx_pid" 2>/dev/null || true
wait "$nginx_pid" 2>/dev/null || true

# A hostile load: HOSTILE_REQUESTS (default 100000) requests, one in ten malformed.
echo "hostile load:"
"$build/quillmoor-server-hostile" --port "$port" --requests "${HOSTILE_REQUESTS:-100000}" \
  --server-pid "$server_pid"

kill -TERM "$server_pid"
status=0
wait "$server_pid" || status=$?
server_pid=
if [ "$status" -ne 0 ]; then
  echo "server-load: the server ended with status $status" >&2
  exit 1
fi
echo "server stopped"
