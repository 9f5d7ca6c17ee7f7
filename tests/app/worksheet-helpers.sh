# Sourced after xvfb-env.sh by the whole-program tests that drive the
# worksheet window with xdotool (no window manager): finding windows by their
# exact title, answering a message, saving the figures as CSV.
# The caller defines fail MESSAGE.

# window TITLE-REGEX: the id of the one visible window with this exact title,
# waited for (10 s).
window() {
  local id="" _
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  echo "$id"
}

# gone TITLE-REGEX: waits (5 s) until no visible window has this title.
gone() {
  local _
  for _ in $(seq 50); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  return 1
}

# Without a window manager a window gets the keyboard only when given it.
press_return() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.2
  xdotool key Return
}

# save_csv SHEET-WINDOW TARGET: the worksheet's figures saved through its Save
# dialog under TARGET (a name ending in .csv), and the message answered.
save_csv() {
  local sheet=$1 target=$2 dialog box
  xdotool windowfocus --sync "$sheet" 2>/dev/null || true
  xdotool key ctrl+s
  dialog=$(window 'Save Bead Worksheet') || fail "the Save dialog did not open"
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 5 "$target"
  xdotool key Return
  box=$(window 'Information') || fail "no message after saving $target"
  press_return "$box"
  gone 'Information' || fail "the message did not close"
  [ -f "$target" ] || fail "$target was not written"
}

# exit_program PID MAIN-WINDOW: the main window's Exit button pressed; the
# program must end with 0.
exit_program() {
  local pid=$1 win=$2 _ rc sheet
  # The worksheet window first, with Esc: it may lie over the Exit button.
  sheet=$(xdotool search --onlyvisible --name '^(.* - )?Bead Worksheet' 2>/dev/null | head -n1) || true
  if [ -n "$sheet" ]; then
    xdotool windowfocus --sync "$sheet" 2>/dev/null || true
    sleep 0.2
    xdotool key Escape
    gone '(.* - )?Bead Worksheet.*' || fail "Esc did not close the worksheet window"
  fi
  # Exit button: 448 + 36, 464 + 9 + 13 in the main window's client area.
  xdotool mousemove --window "$win" 484 486 click 1
  # Rows typed here are not kept: the question about them is answered Discard.
  local question
  for _ in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    question=$(xdotool search --onlyvisible --name '^Unsaved Worksheet$' 2>/dev/null | head -n1) || true
    if [ -n "$question" ]; then
      xdotool windowfocus --sync "$question" 2>/dev/null || true
      sleep 0.2
      xdotool key alt+d
      break
    fi
    sleep 0.1
  done
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
  rc=0
  wait "$pid" || rc=$?
  [ "$rc" -eq 0 ] || fail "the program ended with $rc"
}
