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

source "$here/xvfb-env.sh"
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

# The desktop's opener for web and mail addresses, replaced by one that
# writes down what it was given.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<OPEN
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened.txt"
OPEN
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

start_atspi_program "$orvane" "$work"

status=0
"$atspi_python" "$here/accessibility_walk.py" "$work/opened.txt" || status=$?
check_accessibility_log || { [ "$status" -ne 0 ] || status=1; }
show_program_output "$status"
exit "$status"
