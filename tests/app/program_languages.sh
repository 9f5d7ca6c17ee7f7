#!/usr/bin/env bash
# The real program in other languages, read through the accessibility tree
# (AT-SPI) as a screen reader reads it: every name, description, page tab and
# column heading in every window must come out of the translations
# (language_walk.py beside this script), first in the pseudo-language
# (--language pseudo), then in German as a German desktop starts it
# (LANG=de_DE.UTF-8, no --language).
#
# Usage: program_languages.sh <path to orvane>
set -euo pipefail

orvane=$(readlink -f "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
german_ts="$here/../../translations/orvane_de.ts"

# The German run takes its language from LANG alone, as on a German desktop.
ORVANE_TEST_LANGUAGE=""
source "$here/xvfb-env.sh"
atspi_session "$0" "$@"

work=$(mktemp -d)
trap stop_atspi_program EXIT

status=0
echo "== pseudo-language"
# The program as started from a desktop entry with its language given.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexec "%s" --language pseudo "$@"\n' "$orvane" >"$work/bin/orvane-pseudo"
chmod +x "$work/bin/orvane-pseudo"
start_atspi_program "$work/bin/orvane-pseudo" "$work/pseudo"
"$atspi_python" "$here/language_walk.py" pseudo || status=$?
kill "$orvane_pid" 2>/dev/null || true
wait "$orvane_pid" 2>/dev/null || true

echo "== German (LANG=de_DE.UTF-8)"
if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
  start_atspi_program "$orvane" "$work/german"
  "$atspi_python" "$here/language_walk.py" de "$german_ts" || status=$?
else
  echo "FAIL: the de_DE.UTF-8 locale is not installed (scripts/install-deps makes it)"
  status=1
fi
show_program_output "$status"
exit "$status"
