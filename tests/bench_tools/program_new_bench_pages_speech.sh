#!/usr/bin/env bash
# Orca over the real program under Xvfb on the Ring Resizing, Alloying, Seed
# Beads and Bezel Strip pages: one worked example typed on each, and the
# result, written into boxes the user is not in, must reach Orca's speech.
# Orca runs with its speech off and its debug log on; new_bench_pages_walk.py
# reads its "SPEECH OUTPUT:" lines.
#
# Usage: program_new_bench_pages_speech.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/../app/xvfb-env.sh"
require_tools orca
atspi_session "$0" "$@"

work=$(mktemp -d)
orca_pid=""
stop_all() {
  if [ -n "$orca_pid" ]; then kill "$orca_pid" 2>/dev/null || true; wait "$orca_pid" 2>/dev/null || true; fi
  stop_atspi_program
}
trap stop_all EXIT

start_xvfb

# Speech off, and nothing of the user's settings read or written; the log
# written line by line so the walk sees each line as Orca has it.
mkdir -p "$work/orca"
cat >"$work/orca/user-settings.conf" <<'JSON'
{"general": {"enableSpeech": false, "enableBraille": false, "enableSound": false,
             "startingProfile": ["Default", "default"]},
 "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": false,
                          "enableBraille": false}}}
JSON
echo 'import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)' >"$work/orca/orca-customizations.py"

"$atspi_python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null
orca -u "$work/orca" --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
orca_pid=$!
started=""
for _ in $(seq 300); do
  if grep -q "Startup complete" "$work/orca.log" 2>/dev/null; then started=1; break; fi
  kill -0 "$orca_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$started" ]; then
  echo "SKIP: Orca did not start"
  cat "$work/orca.out"
  exit 77
fi

start_atspi_program "$orvane" "$work"

status=0
"$atspi_python" "$here/new_bench_pages_walk.py" "$work/orca.log" || status=$?
if grep -E "QAccessible|qt\.accessibility|Fix my children" "$work/orvane.log" | sort | uniq -c | sort -rn | head; then
  echo "FAIL: the program logged accessibility warnings"
  [ "$status" -ne 0 ] || status=1
fi
show_program_output "$status"
exit "$status"
