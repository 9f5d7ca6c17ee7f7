#!/usr/bin/env bash
# The same walk as program_new_bench_pages_speech.sh with the program in
# German: the Ring Resizing, Alloying, Seed Beads and Bezel Strip pages found
# by their German names, their lists reached by the German Alt letters, and
# each example's result heard in German with its figures as in English. What
# German says is read from the translation files, so the walk follows the
# translators' words.
#
# Usage: program_new_bench_pages_speech_german.sh <path to orvane>
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ORVANE_TEST_LANGUAGE=de ORVANE_SPEECH_TS="$here/../../translations/orvane_de.ts"
exec bash "$here/program_new_bench_pages_speech.sh" "$@"
