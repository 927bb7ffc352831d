#!/usr/bin/env bash
# Starts the built editor with a new sheet, sees its window and closes it, first under Xvfb
# (closing through File > Exit, with a screenshot in the build folder), then on the offscreen
# platform (closing through SIGTERM). Each run must end with exit code 0.
set -euo pipefail
program=$1
build=$2
title='無題 - ロヴェナ'

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
export XDG_CONFIG_HOME=$profile

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits for the editor's process to end and checks its exit code.
expect_exit_zero() {
  local pid=$1 code=0
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && { kill -9 "$pid"; fail "$2: the editor did not close"; }
  wait "$pid" || code=$?
  [ "$code" -eq 0 ] || fail "$2: exit code $code"
  echo "$2: closed with exit code 0"
}

if [ "${1:-}" = --under-x ]; then
  shift
  program=$1
  build=$2
  QT_QPA_PLATFORM=xcb "$program" &
  pid=$!
  window=
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { kill "$pid"; fail "Xvfb: no window titled $title"; }
  sleep 1
  import -window root "$build/QR70-smoke.png"
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers alt+f
  sleep 0.5
  xdotool key x
  expect_exit_zero "$pid" Xvfb
  exit 0
fi

xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --under-x "$program" "$build"

QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "offscreen: the editor ended at start-up"
kill -TERM "$pid"
expect_exit_zero "$pid" offscreen
