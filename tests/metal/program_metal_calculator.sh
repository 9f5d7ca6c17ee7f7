#!/usr/bin/env bash
# The Metal Calculator in the real program under Xvfb, as a screen reader
# user meets it: the Weight page's troy boxes, the Metal button, the worked
# examples typed and read back through the accessibility tree (AT-SPI).
#
# Usage: program_metal_calculator.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=/usr/bin/python3  # the system Python carries the AT-SPI bindings

source "$(dirname "${BASH_SOURCE[0]}")/../app/xvfb-env.sh"
require_tools Xvfb xdotool dbus-run-session
require_python_module "$python" pyatspi python3-pyatspi

# Qt and the accessibility registry talk over a session bus: give the test its own.
if [ -z "${ORVANE_METAL_BUS:-}" ]; then
  export ORVANE_METAL_BUS=1
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

start_xvfb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 HOME="$work/home"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME"

# The registry must be up before the program starts, or the program does not
# register with it.
"$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null

"$orvane" >"$work/orvane.log" 2>&1 &
orvane_pid=$!

status=0
"$python" "$here/metal_calculator_atspi.py" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- program output"
  cat "$work/orvane.log"
fi
exit "$status"
