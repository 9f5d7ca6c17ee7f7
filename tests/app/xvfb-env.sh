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
# start_xvfb exports DISPLAY, QT_QPA_PLATFORM=xcb and XDG_RUNTIME_DIR (a
# private folder under $work: the single-instance lock lives there, so the
# program under test never meets a copy the user is running).

xvfb_pid=""

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
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
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
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}
