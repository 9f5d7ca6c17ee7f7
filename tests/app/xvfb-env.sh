# Sourced by the whole-program tests and the bench scripts: a private X server
# for the real program, so no test touches the user's desktop or another
# test's display.
#
#   work=$(mktemp -d)            # scratch folder, removed by the caller
#   source .../xvfb-env.sh
#   start_xvfb [WIDTHxHEIGHTxDEPTH]   # default 1280x1024x24
#   ...
#   stop_xvfb                    # in the caller's exit trap
#
# start_xvfb exports DISPLAY, QT_QPA_PLATFORM=xcb, XDG_RUNTIME_DIR (a
# private folder under $work: the single-instance lock lives there, so the
# program under test never meets a copy the user is running) and
# XDG_STATE_HOME (under $work: the program's recovery file of unsaved rows
# never lands among the user's).

xvfb_pid=""

# The program speaks the desktop's language. These tests read its English
# texts whatever the machine's language, unless a test asks for another one
# before sourcing this file: ORVANE_TEST_LANGUAGE=de, or empty for no
# LANGUAGE at all (the language then comes from LANG, as for a user).
export LANGUAGE="${ORVANE_TEST_LANGUAGE-en}"
[ -n "$LANGUAGE" ] || unset LANGUAGE

# A tool that a bare machine may lack skips the test (exit 77, reported by
# ctest as skipped) instead of failing it; scripts/install-deps installs them.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: missing $tool (scripts/install-deps installs it)"; exit 77; }
  done
}

# require_python_module PYTHON MODULE PACKAGE
require_python_module() {
  "$1" -c "import $2" 2>/dev/null || { echo "SKIP: missing $3 (scripts/install-deps installs it)"; exit 77; }
}

start_xvfb() {
  local screen=${1:-1280x1024x24}
  : "${work:?start_xvfb needs \$work, a scratch folder}"
  rm -f "$work/display"
  # Xvfb picks a free display itself and writes its number to fd 3.
  # -noreset: between two programs no client is connected, and a resetting
  # server refuses the next one for a moment.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  local _
  for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
  export XDG_STATE_HOME="$work/state"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}

# The start every whole-program test of the real binary shares:
#
#   source .../xvfb-env.sh
#   program_session "$1" Xvfb xdotool ...   # the binary, then the tools needed
#   start_xvfb
#
# program_session sets orvane (the binary, absolute) and work (a scratch
# folder), skips the test when a tool is missing, and on exit stops the
# program started as $app_pid, the X server, and removes $work; a script
# with more to stop defines on_exit. fail MESSAGE ends the test with the
# program's output ($work/orvane.log); fail_context, when set, names the case.
program_session() {
  orvane=$(readlink -f "$1")
  shift
  require_tools "$@"
  work=$(mktemp -d)
  app_pid=""
  trap end_program_session EXIT
}

end_program_session() {
  if declare -F on_exit >/dev/null; then on_exit || true; fi
  if [ -n "${app_pid:-}" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
  stop_xvfb
  rm -rf "$work"
}

fail() {
  echo "FAIL${fail_context:+ ($fail_context)}: $*"
  [ -f "$work/orvane.log" ] && { echo "--- program output"; cat "$work/orvane.log"; }
  exit 1
}

# The walks that read the real program through the accessibility tree
# (AT-SPI) share the rest:
#
#   source .../xvfb-env.sh
#   atspi_session "$0" "$@"      # tools checked; runs the script again on a bus of its own
#   work=$(mktemp -d)
#   trap stop_atspi_program EXIT
#   start_atspi_program "$orvane" START_FOLDER
#   "$atspi_python" walk.py || status=$?     # walk.py imports atspi_helpers
#   show_program_output "$status"

atspi_python=/usr/bin/python3 # the system Python carries the AT-SPI bindings
atspi_support=$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)
orvane_pid=""

atspi_session() {
  require_tools Xvfb xdotool dbus-run-session
  require_python_module "$atspi_python" pyatspi python3-pyatspi
  # Qt and the accessibility registry talk over a session bus: give the test its own.
  if [ -z "${ORVANE_ATSPI_BUS:-}" ]; then
    export ORVANE_ATSPI_BUS=1
    # The accessibility bus puts its socket in the runtime folder, else in the
    # shared ~/.cache: a private folder keeps parallel runs apart.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR ORVANE_ATSPI_RUNTIME=$XDG_RUNTIME_DIR
    exec dbus-run-session -- bash "$@" 2> >(grep -v -e 'Failed to set fd limit' -e 'ctivat' -e 'SpiRegistry daemon' >&2)
  fi
  # The walks import atspi_helpers from tests/support; no bytecode is left in the source tree.
  export PYTHONPATH="$atspi_support${PYTHONPATH:+:$PYTHONPATH}" PYTHONDONTWRITEBYTECODE=1
}

# start_atspi_program ORVANE START_FOLDER: the private X server, the program's
# accessibility switched on, a fresh HOME, then the program started from
# START_FOLDER with its output in $work/orvane.log; sets orvane_pid.
start_atspi_program() {
  # A caller that needs the display earlier (a screen reader) has started it.
  [ -n "$xvfb_pid" ] || start_xvfb
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 HOME="$work/home"
  unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE
  mkdir -p "$HOME" "$2"
  # The registry must be up before the program starts, or the program does not
  # register with it.
  "$atspi_python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null
  (cd "$2" && exec "$1") >"$work/orvane.log" 2>&1 &
  orvane_pid=$!
}

stop_atspi_program() {
  if [ -n "$orvane_pid" ] && kill -0 "$orvane_pid" 2>/dev/null; then kill "$orvane_pid" 2>/dev/null || true; fi
  stop_xvfb
  rm -rf "$work"
  if [ -n "${ORVANE_ATSPI_RUNTIME:-}" ]; then rm -rf "$ORVANE_ATSPI_RUNTIME"; fi
}

# show_program_output STATUS: a failed walk shows what the program printed.
show_program_output() {
  if [ "$1" -ne 0 ] && [ -s "$work/orvane.log" ]; then
    echo "--- program output"
    cat "$work/orvane.log"
  fi
}

# check_accessibility_log: fails (1), with the lines, when the program
# logged Qt's own complaints about its accessibility tree.
check_accessibility_log() {
  if grep -E "QAccessible|qt\.accessibility|Fix my children" "$work/orvane.log" | sort | uniq -c | sort -rn | head; then
    echo "FAIL: the program logged accessibility warnings"
    return 1
  fi
}

# start_orca: the real screen reader, Orca, with its speech off and its debug
# log on ($work/orca.log), for a walk that reads what Orca would have said
# from the log's "SPEECH OUTPUT:" lines. Call after start_xvfb; skips the
# test (77) when Orca does not start. stop_orca_program, in the exit trap,
# ends Orca, the program and the display.
orca_pid=""
start_orca() {
  # A private settings folder: speech off, nothing of the user's settings read
  # or written. The customisation Orca loads from there writes its log line by
  # line, so the walk sees each line as soon as Orca has it.
  mkdir -p "$work/orca"
  cat >"$work/orca/user-settings.conf" <<'JSON'
{"general": {"enableSpeech": false, "enableBraille": false, "enableSound": false,
             "startingProfile": ["Default", "default"]},
 "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": false,
                          "enableBraille": false}}}
JSON
  echo 'import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)' >"$work/orca/orca-customizations.py"

  # The registry must be up before Orca and the program start.
  "$atspi_python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null
  orca -u "$work/orca" --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
  orca_pid=$!
  started=""
  for _ in $(seq 300); do
    if grep -q "Startup complete" "$work/orca.log" 2>/dev/null; then started=1; break; fi
    kill -0 "$orca_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$started" ]; then
    echo "SKIP: Orca did not start"
    cat "$work/orca.out"
    exit 77
  fi
}

stop_orca_program() {
  if [ -n "$orca_pid" ]; then kill "$orca_pid" 2>/dev/null || true; wait "$orca_pid" 2>/dev/null || true; fi
  stop_atspi_program
}
