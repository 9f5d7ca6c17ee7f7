#!/usr/bin/env bash
# The tree's includes run one way, and the checker would notice one that does
# not: a copy of the tree with a planted back include must fail, naming it.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
checker="$root/scripts/check-includes"

python3 "$checker" "$root/src"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/src" "$work/src"
plant() {  # file, include line: the checker must fail and name the file and line
  local file=$1 line=$2
  rm -rf "$work/src" && cp -r "$root/src" "$work/src"
  echo "$line" >>"$work/src/$file"
  local lines; lines=$(wc -l <"$work/src/$file")
  if python3 "$checker" "$work/src" 2>"$work/out"; then
    echo "planted '$line' in $file went unnoticed" >&2
    exit 1
  fi
  grep -q "src/$file:$lines:" "$work/out" || { echo "no file and line named for $file:" >&2; cat "$work/out" >&2; exit 1; }
}
plant core/text_rules.cpp '#include "widgets/entry_box.h"'
plant platform/error_boundary.cpp '#include "sizes/size_converter.h"'
plant widgets/entry_box.cpp '#include "app/main_window.h"'
plant worksheet/worksheet_window.cpp '#include "desk_calculator/calculator_window.h"'
plant measures/weight_page.cpp '#include "nowhere/thing.h"'
echo "includes run one way"
