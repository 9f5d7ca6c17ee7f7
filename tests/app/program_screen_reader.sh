#!/usr/bin/env bash
# The real screen reader (Orca) over the real program under Xvfb: every
# result written into boxes other than the focused one must reach Orca's
# speech. Orca runs with its speech off and its debug log on; what it would
# have said is in the log's "SPEECH OUTPUT:" lines, which
# screen_reader_walk.py beside this script reads.
#
# Usage: program_screen_reader.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/xvfb-env.sh"
require_tools orca
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_orca_program EXIT

start_xvfb

start_orca

start_atspi_program "$orvane" "$work"

status=0
"$atspi_python" "$here/screen_reader_walk.py" "$work/orca.log" || status=$?
check_accessibility_log || { [ "$status" -ne 0 ] || status=1; }
show_program_output "$status"
exit "$status"
