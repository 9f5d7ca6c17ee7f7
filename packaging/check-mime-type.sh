#!/bin/sh
# Builds a MIME database from the worksheet type alone and asks it, as the
# desktop does, what a .bws file is. Skips (77) without shared-mime-info or gio.
# Usage: check-mime-type.sh <org.orvane.Orvane.mime.xml>
set -eu
command -v update-mime-database >/dev/null || exit 77
command -v gio >/dev/null || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if command -v xmllint >/dev/null; then
  xmllint --noout "$1" || { echo "FAIL: not well-formed XML"; exit 1; }
fi
mkdir -p "$work/share/mime/packages"
cp "$1" "$work/share/mime/packages/org.orvane.Orvane.xml"
# -V reports unknown elements and bad attributes; treat any warning as failure.
update-mime-database -V "$work/share/mime" >"$work/update.log" 2>&1 || { cat "$work/update.log"; exit 1; }
if grep -qiE 'warning|error|unknown' "$work/update.log"; then cat "$work/update.log"; echo "FAIL: update-mime-database complained"; exit 1; fi
grep -q '^application/x-orvane-worksheet:\*\.bws$' "$work/share/mime/globs" ||
  { echo "FAIL: no *.bws glob in the built database"; exit 1; }

printf 'Necklace\r\n1\tCrystal\t4\t\t36\r\n' >"$work/x.bws"
type=$(XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$work/share:/usr/share" \
       gio info -a standard::content-type "$work/x.bws" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-orvane-worksheet ] || { echo "FAIL: a .bws file is '$type'"; exit 1; }
echo "mime type: *.bws is application/x-orvane-worksheet"
