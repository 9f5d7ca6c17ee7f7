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

source "$here/../app/xvfb-env.sh"
[ -x "$chart_texts" ] || { echo "missing $chart_texts (build the chart_texts target)"; exit 1; }
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

"$chart_texts" >"$work/charts.json"
start_atspi_program "$orvane" "$work/start"

status=0
"$atspi_python" "$here/chart_accessibility.py" "$work/charts.json" || status=$?
show_program_output "$status"
exit "$status"
