#!/usr/bin/env bash
# A worksheet saved as CSV from the real program under Xvfb and opened in a
# real spreadsheet (Gnumeric's ssconvert): every cell holds the worksheet's own
# figure, the inch size as 0.125, texts as texts, no date and no formula.
# Usage: program_csv_spreadsheet.sh <path to orvane>
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/xvfb-env.sh"
source "$here/worksheet-helpers.sh"
program_session "$1" Xvfb xdotool python3 ssconvert

start_xvfb 1280x1024x24 || exit 1
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
cd "$work"

# Row 1: 1/8 inch, 24 beads, a description that is a formula; a project name
# that is a live link in a spreadsheet that runs it; row 2 in millimetres.
printf '=HYPERLINK("http://example.com","click")\r\n1\t=1+1\t\t1/8\t24\r\n2\t@SUM(1)\t4\t\t36\r\n' >necklace.bws

"$orvane" necklace.bws >"$work/orvane.log" 2>&1 &
app_pid=$!
sheet=$(window '(.* - )?Bead Worksheet') || fail "the worksheet window did not appear"
save_csv "$sheet" "$work/necklace.csv"

# Gnumeric's own file format names each cell's type (40 a number, 60 a text)
# and its number format; a formula has no type, only its expression.
ssconvert --export-type=Gnumeric_XmlIO:sax "$work/necklace.csv" "$work/necklace.gnumeric" \
  >"$work/ssconvert.log" 2>&1 || { cat "$work/ssconvert.log"; fail "ssconvert could not read the CSV"; }

python3 - "$work/necklace.gnumeric" <<'PY' || fail "the spreadsheet does not hold the worksheet's figures"
import gzip, sys
import xml.etree.ElementTree as ET

ns = {"gnm": "http://www.gnumeric.org/v10.dtd"}
data = open(sys.argv[1], "rb").read()
if data[:2] == b"\x1f\x8b":
    data = gzip.decompress(data)
root = ET.fromstring(data)
cells = {}
problems = []
for cell in root.iter("{http://www.gnumeric.org/v10.dtd}Cell"):
    row, col = int(cell.get("Row")), int(cell.get("Col"))
    kind, fmt, text = cell.get("ValueType"), cell.get("ValueFormat") or "", cell.text or ""
    if kind is None:
        problems.append(f"R{row + 1}C{col + 1}: a formula, {text!r}")
    if any(part in fmt.lower() for part in ("d", "m", "y", "h", "s")) and kind == "40":
        problems.append(f"R{row + 1}C{col + 1}: a date or time ({fmt}), {text!r}")
    cells[(row, col)] = (kind, text)

def number(value):
    return ("40", value)

def text(value):
    return ("60", value)

project = '=HYPERLINK("http://example.com","click")'
expected = {
    # header
    (0, 0): text("Project"), (0, 1): text("Row"), (0, 2): text("Description"), (0, 3): text("Size MM"),
    (0, 4): text("Size Inch"), (0, 5): text("Size Inch as Typed"), (0, 6): text("Number of Beads"),
    (0, 7): text("Beads per Inch"), (0, 8): text("Length Inches"),
    # row 1: 1/8 inch is 8 beads per inch; 24 beads are 3 inches
    (1, 0): text(project), (1, 1): number("1"), (1, 2): text("=1+1"), (1, 4): number("0.125"),
    (1, 5): text("1/8"), (1, 6): number("24"), (1, 7): number("8"), (1, 8): number("3"),
    # row 2: 4 mm is 6.35 beads per inch; 36 beads are 5.67 inches
    (2, 0): text(project), (2, 1): number("2"), (2, 2): text("@SUM(1)"), (2, 3): number("4"),
    (2, 6): number("36"), (2, 7): number("6.35"), (2, 8): number("5.67"),
    # the total
    (3, 0): text(project), (3, 1): text("Total"), (3, 8): number("8.67"),
}
def same(got, want):
    if got is None or got[0] != want[0]:
        return False
    if want[0] == "40":  # Gnumeric writes its long double in full
        return abs(float(got[1]) - float(want[1])) <= 1e-12 * max(1.0, abs(float(want[1])))
    return got[1] == want[1]

for key, want in sorted(expected.items()):
    got = cells.pop(key, None)
    if not same(got, want):
        problems.append(f"R{key[0] + 1}C{key[1] + 1}: {got} where {want} belongs")
for key, got in sorted(cells.items()):
    if got[1] != "":
        problems.append(f"R{key[0] + 1}C{key[1] + 1}: {got}, which the worksheet does not hold")
for p in problems:
    print(p)
sys.exit(1 if problems else 0)
PY
echo "ok: the spreadsheet reads 0.125, 24, 8, 3 and the texts as texts, no date, no formula"
main=$(window 'Orvane Version 2\.0')
exit_program "$app_pid" "$main"
app_pid=""
echo "csv in a spreadsheet: all passed"
