#!/usr/bin/env bash
# The worksheet file type on an installed desktop: `cmake --install` lays out
# the MIME definition beside the menu entry; once the desktop's databases are
# built from the installed tree, a .bws file is named by its type, the menu
# entry is the program for that type, and its command opens the file.
# Usage: program_file_type.sh <path to orvane in its build folder>
set -euo pipefail

orvane=$(readlink -f "$1")
build=$(dirname "$orvane")
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb-env.sh"
app_pid=""
cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in update-mime-database update-desktop-database xdg-mime gio desktop-file-validate; do
  command -v "$tool" >/dev/null || fail "missing $tool (scripts/install-deps installs it)"
done

prefix="$work/usr"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
id=org.orvane.Orvane
type=application/x-orvane-worksheet
definition="$prefix/share/mime/packages/$id.xml"
desktop="$prefix/share/applications/$id.desktop"
[ -f "$definition" ] || fail "the MIME definition is not installed"
desktop-file-validate "$desktop" || fail "the installed menu entry does not validate"
grep -qx "MimeType=$type;" "$desktop" || fail "the menu entry does not list $type"
grep -q "<mediatype>$type</mediatype>" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream data does not list $type"

export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
export HOME="$work/home" XDG_CONFIG_DIRS="$work/config-dirs"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$HOME"
# What the package manager's triggers do on a real installation.
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"

printf 'Anklet\r\n1\tGlass\t3\t\t50\r\n' >"$work/x.bws"
# The desktops that read the shared MIME database (GNOME, Xfce, ...).
named=$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$work/x.bws")
[ "$named" = "$type" ] || fail "xdg-mime names x.bws '$named'"
grep -q "^$type=.*$id.desktop" "$prefix/share/applications/mimeinfo.cache" ||
  fail "the menu entry is not offered for $type"
echo "ok: x.bws is $type, opened by $id.desktop"

# The menu entry's command with the file put in for %f.
start_xvfb
command=$(sed -n 's/^Exec=//p' "$desktop")
[ "$command" = "orvane %f" ] || fail "the menu entry runs '$command'"
PATH="$prefix/bin:$PATH" orvane "$work/x.bws" >"$work/orvane.log" 2>&1 &
app_pid=$!
sheet=""
for _ in $(seq 100); do
  sheet=$(xdotool search --onlyvisible --name '^x\.bws - Bead Worksheet$' 2>/dev/null | head -n1) && [ -n "$sheet" ] && break
  sleep 0.1
done
[ -n "$sheet" ] || { cat "$work/orvane.log"; fail "opening x.bws showed no worksheet"; }
echo "ok: the menu entry's command opens the worksheet"
