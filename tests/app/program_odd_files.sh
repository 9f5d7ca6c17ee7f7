#!/usr/bin/env bash
# Files no worksheet can be, and names that are not UTF-8, in the real program
# under Xvfb: `orvane huge.bws` with a 2 GB sparse file is refused at once
# with little memory; a worksheet whose name is any bytes opens from the
# command line, from a second start and from the recent list.
# Usage: program_odd_files.sh <path to orvane>
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/xvfb-env.sh"
source "$here/worksheet-helpers.sh"
program_session "$1" Xvfb xdotool python3 truncate
now_ms() { date +%s%3N; }
# The peak resident memory of a process, in kB.
peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

start_xvfb 1280x1024x24 || exit 1
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
cd "$work"

# 1. A 2 GB sparse file. A start with a small worksheet first gives the time
# the program itself needs to show a window on this machine, now.
printf 'Small\r\n1\tA\t4\t\t10\r\n' >small.bws
truncate -s 2G huge.bws
started=$(now_ms)
"$orvane" small.bws >"$work/orvane.log" 2>&1 &
app_pid=$!
main=$(window 'Orvane Version 2\.0') || fail "the main window did not appear"
window '(.* - )?Bead Worksheet' >/dev/null || fail "the worksheet window did not appear"
baseline=$(( $(now_ms) - started ))
exit_program "$app_pid" "$main"
app_pid=""

started=$(now_ms)
"$orvane" huge.bws >>"$work/orvane.log" 2>&1 &
app_pid=$!
box=$(window 'Orvane') || fail "no message for a 2 GB file"
took=$(( $(now_ms) - started ))
peak=$(peak_kb "$app_pid")
xdotool getwindowname "$box" >/dev/null
[ "$took" -le $(( baseline + 1000 )) ] ||
  fail "the 2 GB file took $took ms to refuse (a small worksheet: $baseline ms)"
[ "$peak" -lt $(( 100 * 1024 )) ] || fail "the program took $peak kB refusing a 2 GB file"
echo "ok: 2 GB sparse file refused in $took ms (a small worksheet shows in $baseline ms), peak memory $peak kB"
press_return "$box"
gone 'Orvane' || fail "the message did not close"
main=$(window 'Orvane Version 2\.0')
exit_program "$app_pid" "$main"
app_pid=""

# 2. Names that are not UTF-8, each holding a project name of its own.
bad=$'bad\xff\xfename.bws'
other=$'other\xe4.bws'
printf 'Odd bytes\r\n1\tA\t4\t\t10\r\n' >"$bad"
printf 'Latin one\r\n1\tB\t6\t\t20\r\n' >"$other"
project_of() { python3 -c 'import csv,sys; print(list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8")))[1][0])' "$1"; }

"$orvane" "$bad" >>"$work/orvane.log" 2>&1 &
app_pid=$!
sheet=$(window '(.* - )?Bead Worksheet') || fail "the worksheet window did not appear"
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^(Orvane|Error)$' 2>/dev/null)" ] ||
  fail "a message came for a name that is not UTF-8"
save_csv "$sheet" "$work/first.csv"
[ "$(project_of "$work/first.csv")" = "Odd bytes" ] || fail "the command line did not load $bad"
echo "ok: a name that is not UTF-8 opens from the command line"

timeout 10 "$orvane" "$other" >"$work/second.log" 2>&1 || fail "the second copy ended with $?"
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^(Orvane|Error)$' 2>/dev/null)" ] ||
  fail "a message came for a name handed over by a second start"
save_csv "$sheet" "$work/second.csv"
[ "$(project_of "$work/second.csv")" = "Latin one" ] || fail "the second start did not hand over $other"
echo "ok: a name that is not UTF-8 is handed over by a second start"

main=$(window 'Orvane Version 2\.0')
exit_program "$app_pid" "$main"
app_pid=""

# 3. After a restart the recent list still names the files by their bytes:
# its second entry (after small.bws, loaded now) is the first odd name.
"$orvane" small.bws >>"$work/orvane.log" 2>&1 &
app_pid=$!
sheet=$(window '(.* - )?Bead Worksheet') || fail "the worksheet window did not appear after the restart"
xdotool windowfocus --sync "$sheet" 2>/dev/null || true
# The Recent button: 432 + 52, 481 + 9 + 15 in the window's client area.
xdotool mousemove --window "$sheet" 484 505 click 1
sleep 0.5
xdotool key 3
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^(Orvane|Error)$' 2>/dev/null)" ] ||
  fail "a message came for a recent name that is not UTF-8"
save_csv "$sheet" "$work/third.csv"
[ "$(project_of "$work/third.csv")" = "Odd bytes" ] || fail "the recent list did not reopen $bad"
echo "ok: a name that is not UTF-8 reopens from the recent list"
main=$(window 'Orvane Version 2\.0')
exit_program "$app_pid" "$main"
app_pid=""
echo "odd files: all passed"
