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
trap stop_orca_program EXIT

start_xvfb

start_orca

start_atspi_program "$orvane" "$work"

status=0
# In another language the walk reads that language's words from its
# translation file (ORVANE_SPEECH_TS).
"$atspi_python" "$here/new_bench_pages_walk.py" "$work/orca.log" ${ORVANE_SPEECH_TS:+"$ORVANE_SPEECH_TS"} || status=$?
check_accessibility_log || { [ "$status" -ne 0 ] || status=1; }
show_program_output "$status"
exit "$status"
