# SPDX-License-Identifier: MIT
# Sourced by the end-to-end runners: the checks' reporting, a private X display
# under a real window manager (openbox), and the helpers that start, find and
# drive Tinvue's main window. The runner sets `tinvue`, the command to start.
work=$(mktemp -d /tmp/tinvue-e2e.XXXXXX)
passed=0 failed=0 app_pid=

# The window manager and the X server end on TERM; waiting for them keeps the
# shell from reporting their end as a failure.
cleanup() {
  { kill -9 $app_pid; kill ${wm_pid:-} ${xvfb_pid:-}; wait $app_pid ${wm_pid:-} ${xvfb_pid:-}; } 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

pass() { passed=$((passed + 1)); echo "PASS: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
# check DESCRIPTION COMMAND...
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
# equals DESCRIPTION EXPECTED ACTUAL
equals() { if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected '$2', got '$3'"; fi; }
# The closing line, and the runner's status.
summary() { echo "$1: $passed passed, $failed failed"; [ "$failed" -eq 0 ]; }

# A display of our own: Xvfb picks a free number and writes it to fd 3.
exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&3 || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$display
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

# until_ok COMMAND...: COMMAND's success within ten seconds.
until_ok() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }

# Starts the installed program and waits for its main window; sets app_pid and wid.
start_tinvue() {
  "$tinvue" >"$work/tinvue.log" 2>&1 &
  app_pid=$!
  until_ok main_window || { fail "main window appears"; return 1; }
  xdotool windowactivate --sync "$wid" 2>/dev/null
  sleep 0.3
}
main_window() { wid=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Tinvue$' 2>/dev/null | head -1); [ -n "$wid" ]; }

# Waits for the program to end and sets exit_status to its status (or "running").
# Call it directly, not in $(...): a subshell cannot wait for the program, and
# reads -1 when the program ends after the subshell has started.
wait_exit() {
  exit_status=running
  until_ok eval '! kill -0 "$app_pid" 2>/dev/null' && { wait "$app_pid"; exit_status=$?; app_pid=; }
}

stop_tinvue() { [ -z "$app_pid" ] || { kill -9 "$app_pid"; wait "$app_pid"; } 2>/dev/null; app_pid=; }

# The window's client area: Qt draws the menu bar inside the X window, and the
# designed client area is the 341 x 285 pixels below it.
client_top() { echo $(($(xwininfo -id "$wid" | awk '/Height:/ {print $2}') - 285)); }

# pixel X Y: the color at client-area coordinates, as RRGGBB.
pixel() {
  import -window "$wid" -crop "1x1+$1+$(($2 + $(client_top)))" -depth 8 txt:- 2>/dev/null |
    grep -o '#[0-9A-F]\{6\}' | head -1 | tr -d '#'
}

# slot_xy NN: the client-area centre of stock slot NN's swatch (two rows of eight).
slot_xy() { local n=$((10#$1 - 1)); echo "$((30 + 40 * (n % 8))) $((238 + 24 * (n / 8)))"; }

# press_slot NN BUTTON: presses a mouse button (1 left, 2 middle, 3 right) on slot NN.
press_slot() { read -r x y <<<"$(slot_xy "$1")"; xdotool mousemove --window "$wid" "$x" $((y + $(client_top))) click "$2"; }

