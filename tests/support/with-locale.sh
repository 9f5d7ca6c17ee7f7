#!/bin/sh
# Usage: with-locale.sh SEPARATOR COMMAND [ARGS...]
# Runs a test under the locale that LC_ALL names, once that locale is known to
# be installed: a missing locale falls back to "C" without a word, and a run
# meant to prove that the program ignores a "," separator would pass having
# proved nothing.
expected="$1"
shift
actual=$(locale decimal_point 2>/dev/null)
if [ "$actual" != "$expected" ]; then
  echo "with-locale: LC_ALL=${LC_ALL:-} gives the decimal separator '$actual', not '$expected';" \
       "is the locale installed (scripts/install-deps makes it)?" >&2
  exit 1
fi
exec "$@"
