#!/usr/bin/env bash
# The real program under Xvfb over damaged settings files: whatever the
# recent-worksheets value holds (another type, binary, megabytes, garbage),
# the program shows its windows, loads the worksheet it is given, and Exit
# ends it with 0.
# Usage: program_damaged_settings.sh <path to orvane>
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/xvfb-env.sh"
source "$here/worksheet-helpers.sh"
program_session "$1" Xvfb xdotool python3
fail_context=""

start_xvfb 1280x1024x24 || exit 1
export HOME="$work/home"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME"
printf 'Kept\r\n1\tA\t4\t\t10\r\n' >"$work/sample.bws"

# Where the program keeps its settings, learnt from a sound start.
export XDG_CONFIG_HOME="$work/config-probe"
fail_context="sound settings"
"$orvane" "$work/sample.bws" >"$work/orvane.log" 2>&1 &
app_pid=$!
window '(.* - )?Bead Worksheet' >/dev/null || fail "the worksheet window did not appear"
exit_program "$app_pid" "$(window 'Orvane Version 2\.0')"
app_pid=""
conf=$(cd "$XDG_CONFIG_HOME" && grep -rl RecentWorksheets . | head -n1)
[ -n "$conf" ] || fail "no settings file holds the recent list"

# Each case: the value written after "RecentWorksheets=" (python bytes).
python3 - "$work/cases" <<'PY'
import os, sys
cases = {
    "a number": b"42",
    "a rectangle": b"@Rect(1 2 3 4)",
    "a variant of garbage": b"@Variant(\\0\\0\\0\\x7f\\xff\\xfe\\x1)",
    "a variant of an unknown type": b"@Variant(\\0\\0\\x10\\0\\0\\0\\0\\x1)",
    "a variant cut short": b"@Variant(\\0\\0\\0",
    "binary bytes": bytes(range(1, 256)).replace(b"\n", b"").replace(b"\r", b""),
    "bytes with a NUL": b"@ByteArray(\\0\\x1\\xff)",
    "ten megabytes on one line": b"/" + b"x" * (10 * 1024 * 1024),
    "a hundred thousand entries": b", ".join(b"/tmp/%d.bws" % i for i in range(100000)),
    "a path beyond any": b"/" + b"y/" * 30000,
    "a list of lists": b"@Variant(\\0\\0\\0\\t\\0\\0\\0\\x2\\0\\0\\0\\t\\0\\0\\0\\0)",
}
os.makedirs(sys.argv[1])
for i, (name, value) in enumerate(cases.items()):
    with open(os.path.join(sys.argv[1], "%02d %s" % (i, name)), "wb") as f:
        f.write(b"[General]\nRecentWorksheets=" + value + b"\n")
PY

for file in "$work/cases"/*; do
  fail_context=$(basename "$file")
  export XDG_CONFIG_HOME="$work/config-$RANDOM$RANDOM"
  mkdir -p "$XDG_CONFIG_HOME/$(dirname "$conf")"
  cp "$file" "$XDG_CONFIG_HOME/$conf"
  "$orvane" "$work/sample.bws" >"$work/orvane.log" 2>&1 &
  app_pid=$!
  main=$(window 'Orvane Version 2\.0') || fail "the main window did not appear"
  window '(.* - )?Bead Worksheet' >/dev/null || fail "the worksheet window did not appear"
  sleep 0.3
  [ -z "$(xdotool search --onlyvisible --name '^(Orvane|Error)$' 2>/dev/null)" ] || fail "a message came"
  exit_program "$app_pid" "$main"
  app_pid=""
  # The list now holds the loaded worksheet, written back over the damage.
  grep -q sample.bws "$XDG_CONFIG_HOME/$conf" || fail "the recent list was not written back"
  echo "ok: $fail_context"
done
echo "damaged settings: all passed"
