#!/usr/bin/env bash
# The real program under Xvfb: a second start leaves one running copy and one
# main window, ends with 0 within seconds, and Exit ends the first copy with 0.
set -u
ORVANE=${1:?path to orvane}
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
require_tools Xvfb xdotool timeout
first=""
cleanup() {
  [ -n "$first" ] && kill "$first" 2>/dev/null
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

start_xvfb 1024x768x24 || exit 1

"$ORVANE" >"$work/first.log" 2>&1 &
first=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --name '^Orvane Version 2\.0$' 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "main window did not appear"

start=$(date +%s)
timeout 10 "$ORVANE" >"$work/second.log" 2>&1
rc=$?
[ $rc -eq 0 ] || fail "second copy ended with $rc"
[ $(( $(date +%s) - start )) -le 5 ] || fail "second copy took too long"
kill -0 "$first" 2>/dev/null || fail "first copy is gone"
windows=$(xdotool search --name '^Orvane Version 2\.0$' | wc -l)
[ "$windows" -eq 1 ] || fail "$windows main windows"

# Exit button: 448 + 36, 464 + 9 + 13 in the window's client area.
xdotool mousemove --window "$win" 484 486 click 1
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "Exit did not end the program"
wait "$first"
rc=$?
first=""
[ $rc -eq 0 ] || fail "first copy ended with $rc"
echo "1 passed, 0 failed"
