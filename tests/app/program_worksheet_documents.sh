#!/usr/bin/env bash
# Worksheets as desktop documents, in the real program under Xvfb:
# `orvane FILE.bws` shows the worksheet with the file's rows, a second start
# with another file loads it into the running copy and ends with 0, a file
# that is not there is reported by the running copy, the recent list outlives
# the run and reopens a file, and a CSV saved from the window reads back in
# Python's csv module with the right cells.
# Usage: program_worksheet_documents.sh <path to orvane>
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
program_session "$1"
keeper_pid=""
on_exit() { [ -z "$keeper_pid" ] || kill "$keeper_pid" 2>/dev/null || true; }

start_xvfb 1280x1024x24 || exit 1
# The X server resets when its last client leaves; one client that stays keeps
# the restart below from meeting a server in the middle of its reset.
xprop -root -spy >/dev/null 2>&1 &
keeper_pid=$!
# The user's settings (the recent list) live in the test's own folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME" "$XDG_CONFIG_HOME"

# Two worksheets in the file format: CR LF lines, TAB-separated fields.
printf 'Summer necklace\r\n1\tCrystal, rondelle\t4\t\t100\r\n2\tSeed beads\t\t1/8\t24\r\n' >"$work/fixture.bws"
printf 'Bracelet "Rose"\r\n1\tPearls\t6\t\t20\r\n' >"$work/other.bws"

# window, gone, press_return and save_csv, as the other worksheet tests use them.
source "$(dirname "${BASH_SOURCE[0]}")/worksheet-helpers.sh"

# The CSV's cells, one row per line, read with Python's csv module.
cells() {
  python3 - "$1" <<'PY'
import csv, sys
with open(sys.argv[1], newline="", encoding="utf-8") as f:
    for row in csv.reader(f):
        print("|".join(row))
PY
}

expect_cells() {
  local got
  got=$(cells "$1")
  [ "$got" = "$2" ] || fail "$(printf 'cells of %s:\n%s\nexpected:\n%s' "$1" "$got" "$2")"
}

header='Project|Row|Description|Size MM|Size Inch|Size Inch as Typed|Number of Beads|Beads per Inch|Length Inches'
fixture_cells="$header
Summer necklace|1|Crystal, rondelle|4|||100|6.35|15.75
Summer necklace|2|Seed beads||0.125|'1/8|24|8.00|3.00
Summer necklace|Total|||||||18.75"
other_cells="$header
Bracelet \"Rose\"|1|Pearls|6|||20|4.23|4.72
Bracelet \"Rose\"|Total|||||||4.72"

# 1. Started with a file: the main window, and the worksheet with its rows.
cd "$work"
"$orvane" fixture.bws >"$work/orvane.log" 2>&1 &
app_pid=$!
window 'Orvane Version 2\.0' >/dev/null || fail "the main window did not appear"
# The worksheet's title names its file.
sheet=$(window 'fixture\.bws - Bead Worksheet') || fail "the worksheet window did not appear"
save_csv "$sheet" "$work/first.csv"
expect_cells "$work/first.csv" "$fixture_cells"
echo "ok: orvane fixture.bws shows the worksheet with its rows; the CSV reads back"

# 2. A second start with another file hands it to the running copy.
mkdir -p "$work/elsewhere"
cp "$work/other.bws" "$work/elsewhere/other.bws"
(cd "$work/elsewhere" && timeout 10 "$orvane" other.bws >"$work/second.log" 2>&1) || fail "the second copy ended with $?"
kill -0 "$app_pid" 2>/dev/null || fail "the first copy is gone"
[ "$(xdotool search --onlyvisible --name '^Orvane Version 2\.0$' | wc -l)" -eq 1 ] || fail "more than one main window"
sleep 0.5
save_csv "$sheet" "$work/second.csv"
expect_cells "$work/second.csv" "$other_cells"
echo "ok: a second orvane other.bws loaded it into the running copy"

# 3. A file that is not there: the running copy says so, the worksheet stays.
timeout 10 "$orvane" "$work/missing.bws" >"$work/third.log" 2>&1 || fail "the third copy ended with $?"
box=$(window 'Orvane') || fail "no message for a missing file"
press_return "$box"
gone 'Orvane' || fail "the error message did not close"
save_csv "$sheet" "$work/third.csv"
expect_cells "$work/third.csv" "$other_cells"
echo "ok: a missing file is reported by the running copy"

# 4. The recent list outlives the run: after a restart, its second entry
# (the fixture, loaded before the other file) reopens the fixture.
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
grep -rq fixture.bws "$XDG_CONFIG_HOME" ||
  fail "the recent list was not kept in the user's settings"
"$orvane" "$work/elsewhere/other.bws" >>"$work/orvane.log" 2>&1 &
app_pid=$!
sheet=$(window 'other\.bws - Bead Worksheet') || fail "the worksheet window did not appear after the restart"
xdotool windowfocus --sync "$sheet" 2>/dev/null || true
# The Recent button: 432 + 52, 481 + 9 + 15 in the window's client area.
xdotool mousemove --window "$sheet" 484 505 click 1
sleep 0.5
xdotool key 2
sleep 0.5
save_csv "$sheet" "$work/fourth.csv"
expect_cells "$work/fourth.csv" "$fixture_cells"
echo "ok: a recent entry reopens its file after a restart"

# 5. Command-line help and version print and end without a display.
help=$(env -u DISPLAY "$orvane" --help) || fail "--help ended with $?"
case "$help" in *"Usage: orvane"*worksheet*) ;; *) fail "--help printed: $help" ;; esac
version=$(env -u DISPLAY "$orvane" --version) || fail "--version ended with $?"
[ "$version" = "Orvane 2.0" ] || fail "--version printed: $version"
kill -0 "$app_pid" 2>/dev/null || fail "--help or --version ended the running copy"
echo "ok: --help and --version"
echo "worksheet documents: all passed"
