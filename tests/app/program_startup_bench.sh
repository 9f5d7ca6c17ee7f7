#!/usr/bin/env bash
# The start-up measurement programs end by themselves once their first frame
# is painted, with code 0; a program that never quit would hang the benchmark.
# Usage: program_startup_bench.sh <path to orvane in its build folder>
set -euo pipefail

bench=$(dirname "$(readlink -f "$1")")/bench
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
require_tools Xvfb timeout
cleanup() {
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb

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
# The first-opening timer opens the five other windows, one line each, and ends.
[ -x "$bench/orvane_first_open" ] || { echo "FAIL: $bench/orvane_first_open is not built"; exit 1; }
timeout 30 "$bench/orvane_first_open" >"$work/open.txt" || { echo "FAIL: orvane_first_open did not end cleanly"; exit 1; }
names=$(awk '$2 > 0 {print $1}' "$work/open.txt" | tr '\n' ' ')
[ "$names" = "Fractions Worksheet Calculator Help Bench " ] || { echo "FAIL: first openings timed: $(cat "$work/open.txt")"; exit 1; }
echo "start-up programs quit after their first paint"
