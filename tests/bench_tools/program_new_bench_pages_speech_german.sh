#!/usr/bin/env bash
# The same walk as program_new_bench_pages_speech.sh with the program in
# German: the Ring Resizing, Alloying, Seed Beads and Bezel Strip pages found
# by their German names, their lists reached by the German Alt letters, and
# each example's result heard in German with its figures as in English. What
# German says is read from the translation files, so the walk follows the
# translators' words.
#
# Usage: program_new_bench_pages_speech_german.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

ORVANE_TEST_LANGUAGE=de
source "$here/../app/xvfb-env.sh"
require_tools orca
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_orca_program EXIT

start_xvfb

start_orca

start_atspi_program "$orvane" "$work"

status=0
"$atspi_python" "$here/new_bench_pages_walk.py" "$work/orca.log" "$here"/../../translations/*_de.ts || status=$?
if grep -E "QAccessible|qt\.accessibility|Fix my children" "$work/orvane.log" | sort | uniq -c | sort -rn | head; then
  echo "FAIL: the program logged accessibility warnings"
  [ "$status" -ne 0 ] || status=1
fi
show_program_output "$status"
exit "$status"
