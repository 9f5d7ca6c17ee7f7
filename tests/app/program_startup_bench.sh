#!/usr/bin/env bash
# The start-up measurement programs end by themselves once their first frame
# is painted, with code 0; a program that never quit would hang the benchmark.
# Usage: program_startup_bench.sh <path to orvane in its build folder>
set -euo pipefail

bench=$(dirname "$(readlink -f "$1")")/bench
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

for program in orvane_startup bare_window_startup; do
  [ -x "$bench/$program" ] || { echo "FAIL: $bench/$program is not built"; exit 1; }
  code=0
  timeout 20 "$bench/$program" || code=$?
  if [ "$code" -ne 0 ]; then
    echo "FAIL: $program ended with code $code (124: it did not quit after its first paint)"
    exit 1
  fi
done
# Twice in a row: the first run's lock is gone when it ends.
timeout 20 "$bench/orvane_startup" || { echo "FAIL: a second start-up run did not end cleanly"; exit 1; }
echo "start-up programs quit after their first paint"
