#!/usr/bin/env bash
# What the game's window costs while the player looks at it: the program in a real X window
# (Xvfb with openbox) at each scale, once idle on the island map and once in a battle
# advanced by clicks; for each, the CPU time of the game process per second of wall time and
# its resident memory, and the X server's CPU time over the same seconds.
#
#   bench/window-cost.sh [BUILD_FOLDER]     (default: build; run `make build` first)
#
# SCALES (default "1 2 4") picks the scales, STATES (default "idle battle") the states, SETTLE (default 4) the seconds waited once a
# state is reached, MEASURE (default 10) the seconds measured. SHOTS=FOLDER keeps the
# screenshot of every state there (they are taken once, before the measurement).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
game=$build/quillmoor
scales=${SCALES:-1 2 4}
states=${STATES:-idle battle}
settle=${SETTLE:-4}
measure=${MEASURE:-10}

if [ ! -x "$game" ] || [ ! -d "$build/cg" ] || [ ! -f "$build/dat/name.dat" ]; then
  echo "window-cost: $game with its cg/ and dat/ is missing; build first (make build)" >&2
  exit 1
fi
for tool in Xvfb openbox; do
  if ! command -v "$tool" >/dev/null; then
    echo "window-cost: $tool is missing (./scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmoor-window-cost.XXXXXX")
shots=${SHOTS:-$work/shots}
case $shots in /*) ;; *) shots=$PWD/$shots ;; esac
mkdir -p "$shots"

# Every process this script starts, stopped in the reverse order on the way out.
started=()
stop() {
  local pid=$1
  if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}
cleanup() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do stop "${started[i]}"; done
  started=()
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

forget() {  # takes a stopped process off the list
  local keep=() pid
  for pid in "${started[@]}"; do [ "$pid" = "$1" ] || keep+=("$pid"); done
  started=("${keep[@]}")
}

hz=$(getconf CLK_TCK)

# utime + stime of a process, in clock ticks.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat") || return 1
  stat=${stat##*) }  # the fields after the command's name
  set -- $stat
  echo $((${12} + ${13}))
}

rss_mib() {
  awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"
}

# A new program folder: the pictures, the name list and the sounds of the build, and the
# save in $work/save when there is one.
program_folder() {
  local dir=$1 f
  mkdir -p "$dir/dat"
  ln -s "$build/cg" "$dir/cg"
  cp "$build/dat/name.dat" "$dir/dat/"
  for f in "$build"/dat/*.wav "$build"/dat/*.mp3; do
    [ -e "$f" ] && ln -s "$f" "$dir/dat/"
  done
  if [ -d "$work/save" ]; then cp "$work/save"/* "$dir/dat/"; fi
  return 0
}

# From the title to the island map with a new adventurer "ルカ".
landing() {
  printf 'wait 2\nkey Enter\nwait 2\nkey Enter\nwait 2\ntype name_l ルカ\npress l_btn8\nwait 2\n'
  for _ in $(seq 40); do printf 'click 320 200\nrelease\nwait 1\n'; done
}

# The save the measured runs start from: a new adventurer landed on the island (made without
# a window, as fast as it goes), given 9999 HP so that no battle in the measurement ends in
# a defeat (a new adventurer falls within a few seconds of clicking). Lines of my.dat: 5432
# the maximum HP, 5434 the HP, 5465 the checksum (which counts the maximum).
make_save() {
  local dir=$work/new-game
  program_folder "$dir/program"
  { landing; printf 'quit\n'; } >"$dir/script.txt"
  mkdir -p "$dir/config"
  if ! XDG_CONFIG_HOME=$dir/config XDG_DATA_HOME=$dir/config SDL_AUDIODRIVER=dummy \
    "$game" --offscreen --turbo --seed 3 --folder "$dir/program" \
    --server http://127.0.0.1:1 --script "$dir/script.txt" >"$dir/out.log" 2>&1 ||
    [ ! -f "$dir/program/dat/my.dat" ]; then
    echo "window-cost: making the adventurer failed" >&2
    cat "$dir/out.log" >&2
    exit 1
  fi
  mkdir -p "$work/save.new"
  LC_ALL=C awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
    NR == 5432 || NR == 5434 { hp_before[NR] = $0; $0 = 9999 }
    NR == 5465 { $0 = $0 + 9999 - hp_before[5432] }
    { print }' "$dir/program/dat/my.dat" >"$work/save.new/my.dat"
  for f in "$dir"/program/dat/*.dat; do
    case ${f##*/} in my.dat | name.dat) ;; *) cp "$f" "$work/save.new/" ;; esac
  done
  mv "$work/save.new" "$work/save"
}

# The click that advances a battle: the first card (the first technique on the adventurer's
# turn, "進む" after a victory) or the acknowledgement of a line.
battle_clicks() {
  for _ in $(seq "$1"); do printf 'click 550 15\nwait 2\nrelease\nwait 1\n'; done
}

# From the title to the island map with the saved adventurer; then idle: nothing pressed,
# or battle: out from the island into the first fight, clicked on for as long as the
# measurement lasts (a won fight goes on to the next enemy).
write_script() {
  local state=$1 shot=$2 ready=$3
  printf 'wait 2\nkey Enter\nwait 2\nkey Enter\nwait 3\n'
  case $state in
    idle)
      printf 'wait 10\n'
      printf 'shot %s\ndump %s\n' "$shot" "$ready"
      printf 'wait 1000000\n'
      ;;
    battle)
      printf 'press map_b1\nwait 3\n'
      battle_clicks 6
      printf 'shot %s\ndump %s\n' "$shot" "$ready"
      battle_clicks 2000
      printf 'wait 1000000\n'
      ;;
  esac
}

# Starts Xvfb on a free display and openbox on it; sets `display` and `x_pid`.
start_x() {
  local fifo=$work/displayfd
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 3840x2200x24 -nolisten tcp 3>"$fifo" >"$work/xvfb.log" 2>&1 &
  x_pid=$!
  started+=("$x_pid")
  display=
  if ! read -r -t 20 display <"$fifo" || [ -z "$display" ]; then
    echo "window-cost: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  DISPLAY=:$display openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  started+=("$wm_pid")
  sleep 1
}

stop_x() {
  stop "$wm_pid"
  forget "$wm_pid"
  stop "$x_pid"
  forget "$x_pid"
}

results=()

# One run of the game at a scale in a state; adds a row to `results`.
run_state() {
  local scale=$1 state=$2
  local run=$work/$state-x$scale
  mkdir -p "$run/config" "$run/data" "$run/runtime"
  chmod 700 "$run/runtime"
  program_folder "$run/program"
  local shot=$shots/$state-x$scale.png ready=$run/ready.json
  write_script "$state" "$shot" "$ready" >"$run/script.txt"

  DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=$run/config \
    XDG_DATA_HOME=$run/data XDG_RUNTIME_DIR=$run/runtime \
    "$game" --scale "$scale" --seed 3 --folder "$run/program" --server http://127.0.0.1:1 \
    --script "$run/script.txt" >"$run/out.log" 2>&1 &
  local pid=$!
  started+=("$pid")

  local waited=0
  until [ -f "$ready" ]; do
    if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge 1200 ]; then
      echo "window-cost: the game did not reach the state '$state' at scale $scale" >&2
      cat "$run/out.log" >&2
      exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  # The state is the one meant: the saved adventurer (its 9999 HP), and in a fight or not.
  local fighting=idle wanted=idle
  if grep -q '"in_battle": *1' "$ready"; then fighting=battle; fi
  [ "$state" = battle ] && wanted=battle
  if ! grep -q '"max_hp": *9999' "$ready" || [ "$fighting" != "$wanted" ]; then
    echo "window-cost: the game is not in the state '$state' at scale $scale" >&2
    exit 1
  fi
  sleep "$settle"

  local t0 c0 x0 t1 c1 x1
  t0=$EPOCHREALTIME
  c0=$(cpu_ticks "$pid")
  x0=$(cpu_ticks "$x_pid")
  sleep "$measure"
  t1=$EPOCHREALTIME
  c1=$(cpu_ticks "$pid") || c1=
  x1=$(cpu_ticks "$x_pid")
  if [ -z "$c1" ] || ! kill -0 "$pid" 2>/dev/null; then
    echo "window-cost: the game ended during the measurement ('$state' at scale $scale)" >&2
    cat "$run/out.log" >&2
    exit 1
  fi
  local rss
  rss=$(rss_mib "$pid")
  stop "$pid"
  forget "$pid"

  results+=("$(awk -v s="$scale" -v st="$state" -v c="$((c1 - c0))" -v x="$((x1 - x0))" \
    -v hz="$hz" -v t0="$t0" -v t1="$t1" -v rss="$rss" 'BEGIN {
      secs = t1 - t0
      printf "%5s  %-7s %7.1f %9s %9.1f\n", "x" s, st, 100 * c / hz / secs, rss, 100 * x / hz / secs
    }')")
}

echo "quillmoor window cost: ${measure} s measured per state after ${settle} s ($(nproc) cores)"
make_save
for scale in $scales; do
  start_x
  for state in $states; do
    case $state in idle | battle) ;; *) echo "window-cost: no state '$state'" >&2; exit 1 ;; esac
    run_state "$scale" "$state"
  done
  stop_x
done

printf '%5s  %-7s %7s %9s %9s\n' scale state "CPU %" "RSS MiB" "X CPU %"
printf '%s\n' "${results[@]}"
if [ -n "${SHOTS:-}" ]; then echo "screenshots in $shots"; fi
