#!/usr/bin/env bash
# What a screen reader finds in the real program under Xvfb, read and driven
# through the accessibility tree (AT-SPI): the page tabs of the main and help
# windows listed by caption and chosen through their action, the help and
# Tips texts readable as text, every calculator key a button that presses,
# its display readable, and every link reached by Tab and opened by Enter.
# The walk itself is accessibility_walk.py beside this script.
#
# Usage: program_accessibility.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=/usr/bin/python3  # the system Python carries the AT-SPI bindings

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
require_tools Xvfb xdotool dbus-run-session
require_python_module "$python" pyatspi python3-pyatspi

# Qt and the accessibility registry talk over a session bus: give the test its own.
if [ -z "${ORVANE_ACCESSIBILITY_BUS:-}" ]; then
  export ORVANE_ACCESSIBILITY_BUS=1
  exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v -e 'Failed to set fd limit' -e 'ctivat' -e 'SpiRegistry daemon' >&2)
fi

work=$(mktemp -d)
source "$here/xvfb-env.sh"
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
mkdir -p "$HOME" "$work/bin"

# The desktop's opener for web and mail addresses, replaced by one that
# writes down what it was given.
cat >"$work/bin/xdg-open" <<OPEN
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened.txt"
OPEN
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

# The registry must be up before the program starts, or the program does not
# register with it.
"$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null

(cd "$work" && exec "$orvane") >"$work/orvane.log" 2>&1 &
orvane_pid=$!

status=0
"$python" "$here/accessibility_walk.py" "$work/opened.txt" || status=$?
if [ "$status" -ne 0 ] && [ -s "$work/orvane.log" ]; then
  echo "program output:"; cat "$work/orvane.log"
fi
exit "$status"
