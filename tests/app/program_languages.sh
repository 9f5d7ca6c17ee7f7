#!/usr/bin/env bash
# The real program in another language, read through the accessibility tree
# (AT-SPI) as a screen reader reads it: started in the pseudo-language, every
# name, description, page tab and column heading in every window comes out of
# the translations (pseudo_language_walk.py beside this script).
#
# Usage: program_languages.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/xvfb-env.sh"
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

# The program as started from a desktop entry with its language given.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexec "%s" --language pseudo "$@"\n' "$orvane" >"$work/bin/orvane-pseudo"
chmod +x "$work/bin/orvane-pseudo"
start_atspi_program "$work/bin/orvane-pseudo" "$work/start"

status=0
"$atspi_python" "$here/pseudo_language_walk.py" || status=$?
show_program_output "$status"
exit "$status"
