#!/usr/bin/env bash
# Every chart of the real program, read as a screen reader reads it: under
# Xvfb with the accessibility bus on, each chart page is opened and the
# fractions window too, and each chart must be a table whose headings and
# every cell text match what the chart shows (chart_accessibility.py).
#
# Usage: program_chart_accessibility.sh <path to orvane>
# The expected texts come from chart_texts, built beside the tests.
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
chart_texts=${ORVANE_CHART_TEXTS:-$(dirname "$orvane")/tests/chart_texts}
python=/usr/bin/python3  # the system Python carries the AT-SPI bindings

source "$(dirname "${BASH_SOURCE[0]}")/../app/xvfb-env.sh"
require_tools Xvfb xdotool dbus-run-session
require_python_module "$python" pyatspi python3-pyatspi
[ -x "$chart_texts" ] || { echo "missing $chart_texts (build the chart_texts target)"; exit 1; }

# Qt and the accessibility registry talk over a session bus: give the test its own.
if [ -z "${ORVANE_CHARTS_BUS:-}" ]; then
  export ORVANE_CHARTS_BUS=1
  exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v -e 'Failed to set fd limit' -e 'ctivat' -e 'SpiRegistry daemon' >&2)
fi

work=$(mktemp -d)
source "$here/../app/xvfb-env.sh"
orvane_pid=""
cleanup() {
  if [ -n "$orvane_pid" ] && kill -0 "$orvane_pid" 2>/dev/null; then kill "$orvane_pid" 2>/dev/null || true; fi
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

"$chart_texts" >"$work/charts.json"

start_xvfb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 HOME="$work/home"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME" "$work/start"

# The registry must be up before the program starts, or the program does not
# register with it.
"$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null

(cd "$work/start" && exec "$orvane") >"$work/orvane.log" 2>&1 &
orvane_pid=$!

status=0
"$python" "$here/chart_accessibility.py" "$work/charts.json" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- program output"
  cat "$work/orvane.log"
fi
exit "$status"
