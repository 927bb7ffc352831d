#!/usr/bin/env bash
# Starts the built editor with a new sheet and closes it; each run must end with exit code 0.
#   offscreen: the editor reports its main window shown with the new sheet's title; SIGTERM
#              closes it.
#   x:         under Xvfb with a window manager (openbox): the window is mapped, the idle editor
#              uses no measurable processor time, Ctrl+O maps the Open dialog and Escape closes
#              it, File > Exit ends the program; screenshots go to the build folder. Without
#              Xvfb the run is skipped (exit code 77).
set -euo pipefail
mode=$1
program=$2
build=$3
title='無題 - ロヴェナ'
open_title='開く'
# Generous bounds: the machine running the tests may be busy.
wait_steps=600  # tenths of a second
max_idle_percent=10

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits until the command succeeds; false after the bound.
wait_for() {
  for _ in $(seq "$wait_steps"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Waits for the editor's process to end and checks its exit code.
expect_exit_zero() {
  local pid=$1 code=0
  wait_for eval "! kill -0 $pid 2>/dev/null" || { kill -9 "$pid"; fail "$2: the editor did not close"; }
  wait "$pid" || code=$?
  [ "$code" -eq 0 ] || fail "$2: exit code $code"
  echo "$2: closed with exit code 0"
}

visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
has_window() { [ -n "$(visible_window "$1")" ]; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
export XDG_CONFIG_HOME=$profile

run_offscreen() {
  local log=$profile/offscreen.log
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qr70.frame.info=true' "$program" 2>"$log" &
  local pid=$!
  wait_for grep -qF "main window shown: $title" "$log" || {
    kill "$pid" 2>/dev/null
    cat "$log" >&2
    fail "offscreen: no main window titled $title"
  }
  echo "offscreen: main window shown"
  kill -TERM "$pid"
  expect_exit_zero "$pid" offscreen
}

# Presses a key in the window until the window titled $3 is shown (or gone with "!").
press_until() {
  local window=$1 key=$2 want=$3
  for _ in 1 2 3; do
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 0.5
    xdotool key --clearmodifiers "$key"
    for _ in $(seq 150); do
      if [ "${want:0:1}" = '!' ]; then has_window "${want:1}" || return 0; else has_window "$want" && return 0; fi
      sleep 0.1
    done
  done
  return 1
}

run_under_x() {
  openbox --sm-disable >"$build/QR70-smoke-openbox.log" 2>&1 &
  wm=$!
  trap 'kill "$wm" 2>/dev/null; rm -rf "$profile"' EXIT
  wait_for xdotool get_num_desktops >/dev/null 2>&1 || fail "Xvfb: the window manager did not start"
  QT_QPA_PLATFORM=xcb "$program" &
  local pid=$!
  wait_for has_window "$title" || { kill "$pid"; fail "Xvfb: no window titled $title"; }
  local window
  window=$(visible_window "$title")
  echo "Xvfb: window mapped"

  sleep 2
  local tck before after percent
  tck=$(getconf CLK_TCK)
  before=$(cpu_ticks "$pid")
  sleep 3
  after=$(cpu_ticks "$pid")
  percent=$(((after - before) * 100 / (3 * tck)))
  echo "Xvfb: idle editor used $((after - before)) of $((3 * tck)) clock ticks in 3 s ($percent %)"
  [ "$percent" -lt "$max_idle_percent" ] || { kill "$pid"; fail "Xvfb: the idle editor keeps the processor busy"; }
  import -window root "$build/QR70-smoke.png"

  press_until "$window" ctrl+o "$open_title" || { kill "$pid"; fail "Xvfb: Ctrl+O shows no Open dialog"; }
  echo "Xvfb: Open dialog mapped"
  sleep 1
  import -window root "$build/QR70-smoke-open.png"
  press_until "$(visible_window "$open_title")" Escape "!$open_title" || { kill "$pid"; fail "Xvfb: Escape leaves the Open dialog"; }
  echo "Xvfb: Open dialog closed"

  xdotool windowactivate --sync "$window" 2>/dev/null || true
  sleep 0.5
  xdotool key --clearmodifiers alt+f
  sleep 0.5
  xdotool key x
  expect_exit_zero "$pid" Xvfb
}

case $mode in
  offscreen) run_offscreen ;;
  x)
    if ! command -v xvfb-run >/dev/null || ! command -v Xvfb >/dev/null; then
      echo "SKIP: Xvfb is not installed"
      exit 77
    fi
    xvfb-run -a -s "-screen 0 1600x1200x24" "$0" under-x "$program" "$build"
    ;;
  under-x) run_under_x ;;
  *) fail "unknown mode $mode" ;;
esac
