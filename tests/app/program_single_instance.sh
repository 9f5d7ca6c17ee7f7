#!/usr/bin/env bash
# The real program under Xvfb: a second start leaves one running copy and one
# main window, ends with 0 within seconds, and Exit ends the first copy with 0.
set -u
ORVANE=${1:?path to orvane}
work=$(mktemp -d)
display=""
for n in $(seq 140 199); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
first=""
cleanup() {
  [ -n "$first" ] && kill "$first" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

export DISPLAY=$display XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

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
