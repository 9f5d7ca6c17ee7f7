#!/usr/bin/env bash
# `cmake --install` lays out a desktop installation: the program, its menu
# entry, its icon in the theme (vector and 256 px), its AppStream data; and the
# installed program starts from the menu entry's command.
# Usage: program_install.sh <path to orvane in its build folder>
set -euo pipefail

orvane=$(readlink -f "$1")
build=$(dirname "$orvane")
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
require_tools Xvfb xdotool xprop
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

prefix="$work/usr"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }

id=org.orvane.Orvane
desktop="$prefix/share/applications/$id.desktop"
for f in bin/orvane "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/256x256/apps/$id.png"; do
  [ -e "$prefix/$f" ] || { echo "FAIL: $f is not installed"; exit 1; }
done
[ -x "$prefix/bin/orvane" ] || { echo "FAIL: bin/orvane is not executable"; exit 1; }

# The fixed-size icon really is 256 x 256 (PNG header: width and height at 16).
size=$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/256x256/apps/$id.png" | tr -s ' ')
[ "$size" = " 0 0 1 0 0 0 1 0" ] || { echo "FAIL: the PNG icon is not 256 x 256 ($size)"; exit 1; }

# The menu entry names the installed icon and a command that is installed.
grep -qx "Icon=$id" "$desktop" || { echo "FAIL: the menu entry does not name the icon $id"; exit 1; }
grep -qx 'GenericName=Jewellery Calculator' "$desktop" || { echo "FAIL: generic name missing"; exit 1; }
grep -qx 'Categories=Utility;Calculator;' "$desktop" || { echo "FAIL: categories missing"; exit 1; }
exec_cmd=$(sed -n 's/^Exec=//p' "$desktop" | awk '{print $1}')
[ -x "$prefix/bin/$exec_cmd" ] || { echo "FAIL: the menu entry runs '$exec_cmd', which is not in bin/"; exit 1; }

# The installed program starts from that command and shows its main window.
start_xvfb
PATH="$prefix/bin:$PATH" "$exec_cmd" & app_pid=$!
wid=""
for _ in $(seq 100); do
  wid=$(xdotool search --onlyvisible --name '^Orvane Version 2\.0$' 2>/dev/null | head -n1) && [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "FAIL: the installed program showed no main window"; exit 1; }
icon=$(xprop -id "$wid" _NET_WM_ICON)
case "$icon" in *=*) ;; *) echo "FAIL: the main window has no icon: $icon"; exit 1 ;; esac
echo "install: layout complete, installed program started from '$exec_cmd'"
