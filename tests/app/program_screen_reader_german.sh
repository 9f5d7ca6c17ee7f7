#!/usr/bin/env bash
# The real screen reader (Orca) over the program started on a German desktop
# (LANG=de_DE.UTF-8): the results are heard in German
# (screen_reader_german_walk.py beside this script).
#
# Usage: program_screen_reader_german.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

ORVANE_TEST_LANGUAGE=""
source "$here/xvfb-env.sh"
require_tools orca
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || { echo "FAIL: the de_DE.UTF-8 locale is not installed"; exit 1; }
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_orca_program EXIT

start_xvfb
start_orca
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
start_atspi_program "$orvane" "$work"

status=0
"$atspi_python" "$here/screen_reader_german_walk.py" "$work/orca.log" "$here/../../translations/orvane_de.ts" ||
  status=$?
show_program_output "$status"
exit "$status"
