#!/usr/bin/env bash
# Screenshots of every window for a look at other screens: scale 1, scale 2
# (QT_SCALE_FACTOR=2) and a dark palette, under a private Xvfb.
# Usage: bench/look-shots.sh <build folder> [output folder, default <build>/look]
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
out=$(mkdir -p "${2:-$build/look}" && cd "${2:-$build/look}" && pwd)
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/../tests/app/xvfb-env.sh"
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

# Room for the main window at twice its size.
start_xvfb 2400x2000x24

window_id() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "look-shots: no window '$1'" >&2
  return 1
}

shoot() {  # shoot <name> <scale> <program> [environment...]
  local name=$1 scale=$2 program=$3
  shift 3
  env "$@" "$program" & app_pid=$!
  main=$(window_id 'Orvane Version 2\.0')
  sleep 0.5
  import -window "$main" "$out/$name-main.png"
  echo "$out/$name-main.png"
  # The page with the most boxes: the third tab. The tabs take two rows and
  # the row of the active page (About) lies next to the page, below the other.
  xdotool mousemove --sync $((190 * scale)) $((107 * scale)) click 1
  sleep 0.3
  import -window "$main" "$out/$name-beadcalc.png"
  echo "$out/$name-beadcalc.png"
  # Each secondary window, opened by its button in the bar at the bottom of
  # the main window. There is no window manager: every window opens at the
  # top left, so each is moved aside once it is shot.
  for entry in "279 Fractions and Stone Size fractions" "385 Bead Worksheet worksheet" \
              "156 Calculator calculator" "204 Help help"; do
    read -r x rest <<<"$entry"
    title=${rest% *} file=${rest##* }
    xdotool windowraise "$main"
    xdotool mousemove --sync $((x * scale)) $((486 * scale)) click 1
    id=$(window_id "$title")
    sleep 0.5
    import -window "$id" "$out/$name-$file.png"
    echo "$out/$name-$file.png"
    xdotool windowmove "$id" $((1200 * scale / 2 + 100)) 0
  done
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=""
}

shoot scale1 1 "$build/orvane"
shoot scale2 2 "$build/orvane" QT_SCALE_FACTOR=2
shoot dark 1 "$build/bench/orvane_dark_look"
