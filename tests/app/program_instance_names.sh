#!/usr/bin/env bash
# The guard is per executable name: the same program started under another
# name runs as a copy of its own beside the first.
# Usage: program_instance_names.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
require_tools Xvfb xdotool
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb

main_windows() { xdotool search --onlyvisible --name '^Orvane Version 2\.0$' 2>/dev/null | wc -l; }
wait_windows() {  # wait until exactly $1 main windows are visible
  for _ in $(seq 100); do [ "$(main_windows)" -eq "$1" ] && return 0; sleep 0.1; done
  return 1
}

"$orvane" & pids+=($!)
wait_windows 1 || { echo "FAIL: the first copy showed no main window"; exit 1; }

# The same program under another name has a guard of its own.
ln -s "$orvane" "$work/orvane-other"
"$work/orvane-other" & pids+=($!)
wait_windows 2 || { echo "FAIL: a copy under another name did not start its own window"; exit 1; }
echo "a copy under another name ran apart from the first"
