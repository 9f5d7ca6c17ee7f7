#!/usr/bin/env bash
# The Metal Calculator in the real program under Xvfb, as a screen reader
# user meets it: the Weight page's troy boxes, the Metal button, the worked
# examples typed and read back through the accessibility tree (AT-SPI).
#
# Usage: program_metal_calculator.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/../app/xvfb-env.sh"
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

start_atspi_program "$orvane" "$PWD"

status=0
"$atspi_python" "$here/metal_calculator_atspi.py" || status=$?
show_program_output "$status"
exit "$status"
