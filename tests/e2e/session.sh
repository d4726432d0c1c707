# SPDX-License-Identifier: MIT
# Sourced by the end-to-end runners: the checks' reporting, a private X display
# under a real window manager (openbox), or Wayland desktops nested in displays of
# their own, and the helpers that start, find and drive Tinvue's main window. The
# runner sets `tinvue`, the command to start, and sets `nested` before sourcing this
# file when it starts desktops instead.
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

# A display of our own: Xvfb picks a free number and writes it to fd 3. `screen` keeps
# its name when DISPLAY becomes a desktop's XWayland.
exec 3<> >(:)
start_display() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  read -r -t 10 display <&3 || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=:$display
  screen=$DISPLAY
}
if [ -z "${nested:-}" ]; then
  start_display
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
fi

# start_desktop NAME: a Wayland session with XWayland, as the desktop NAME starts it
# (mutter: GNOME; kwin: KDE Plasma; sway: wlroots), nested in a new display: its
# screen is the display's root window, and xdotool there types into what it focuses.
# (A display that KWin has used takes no new clients.) Each has a D-Bus session of
# its own; sway refuses to run as root and runs as nobody. Exports the variables the
# desktop gives its programs: DISPLAY becomes its XWayland.
start_desktop() {
  desktop=$1
  start_display
  desktop_dir=$(mktemp -d "$work/$1.XXXXXX")
  local dir=$desktop_dir
  mkdir -m 700 "$dir/run"
  chmod 1777 /tmp/.X11-unix # every X server needs it so; mutter would make it 1755
  # Nothing of an earlier desktop; an empty XAUTHORITY even makes Xlib wait for ever.
  unset WAYLAND_DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS SWAYSOCK
  export DISPLAY=$screen XDG_RUNTIME_DIR=$dir/run XDG_SESSION_TYPE=wayland
  XDG_CURRENT_DESKTOP=$(sed 's/mutter/GNOME/; s/kwin/KDE/' <<<"$1")
  export XDG_CURRENT_DESKTOP
  # A process group of its own, which ends as a whole; the first program of each writes
  # the variables down.
  case $1 in
    # mutter lasts as long as that program, which leaves the group.
    mutter) MUTTER_DEBUG_DUMMY_MODE_SPECS=1280x1024 exec setsid dbus-run-session -- mutter \
              --nested --wayland --wayland-display tinvue-e2e -- \
              sh -c "echo \$\$ >$dir/first; env >$dir/env; exec sleep infinity" ;;
    # Debian gives kwin_wayland a file capability that a container may refuse; a copy has
    # none. kwin_eval reads what scripts print in its log.
    kwin) cp /usr/bin/kwin_wayland "$dir/"
          QT_LOGGING_RULES=kwin_scripting=true exec setsid dbus-run-session -- \
            "$dir/kwin_wayland" --x11-display "$screen" --xwayland --socket tinvue-e2e \
            --width 1280 --height 1024 "sh -c 'env >$dir/env'" ;;
    sway) printf '%s\n' 'output * mode 1280x1024' 'xwayland enable' "exec env >$dir/env" >"$dir/config"
          chmod 711 "$work"
          chown -R nobody: "$dir"
          exec "${as_nobody[@]}" env HOME="$dir" WLR_BACKENDS=x11 WLR_RENDERER=pixman \
            setsid dbus-run-session -- sway -c "$dir/config" ;;
  esac >"$dir/log" 2>&1 &
  desktop_pid=$!
  until_ok test -s "$dir/env" || { fail "$1 starts"; return 1; }
  set -a
  . <(grep -E '^(DISPLAY|WAYLAND_DISPLAY|XAUTHORITY|DBUS_SESSION_BUS_ADDRESS|SWAYSOCK)=.' "$dir/env")
  set +a
  # sway's XWayland lets in its own user alone; the tests run as root.
  [ "$1" != sway ] || "${as_nobody[@]}" xhost +si:localuser:root >/dev/null
}
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
# kwin_eval JS: runs JS in KWin's scripting, where out(TEXT) prints a line, and prints
# those lines; KWin writes what a script prints to its log.
kwin_eval() {
  local js id tag
  js=$(mktemp "$desktop_dir/XXXXXX.js")
  tag=$(basename "$js" .js):
  printf 'function out(text) { print("%s " + text); }\n%s\nprint("%s.");\n' "$tag" "$1" "$tag" >"$js"
  id=$(dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
    org.kde.kwin.Scripting.loadScript string:"$js" | awk '/int32/ {print $2}')
  dbus-send --session --print-reply --dest=org.kde.KWin "/$id" org.kde.kwin.Script.run >/dev/null
  for _ in $(seq 30); do grep -q "$tag\.$" "$desktop_dir/log" && break; sleep 0.1; done
  sed -n "s/.*$tag //p" "$desktop_dir/log"
}
# Ends the desktop's programs, with its session bus and its XWayland; KWin would
# linger after SIGTERM and keep the next one from starting.
stop_desktop() {
  stop_tinvue
  [ -z "${desktop_pid:-}" ] ||
    { kill -9 -- -"$desktop_pid" $(cat "$desktop_dir/first" 2>/dev/null) "$xvfb_pid"
      wait "$desktop_pid" "$xvfb_pid"; } 2>/dev/null
  desktop_pid= xvfb_pid=
}

# until_ok COMMAND...: COMMAND's success within ten seconds.
until_ok() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }

# Starts the installed program and waits for its main window; sets app_pid and wid.
start_tinvue() {
  "$tinvue" >"$work/tinvue.log" 2>&1 &
  app_pid=$!
  until_ok main_window || { fail "main window appears"; return 1; }
  if [ -n "$wid" ]; then xdotool windowactivate --sync "$wid" 2>/dev/null; else focus Tinvue; fi
  sleep 0.3
}
# The main window: an X11 window, or else (wid empty) a Wayland one that the desktop shows.
main_window() {
  wid=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Tinvue$' 2>/dev/null | head -1)
  [ -n "$wid" ] || case ${desktop:-} in
    sway) swaymsg -t get_tree | grep -q "\"pid\": $app_pid," ;;
    kwin) [ -n "$(kwin_eval "workspace.clientList().forEach(function (w) {
            if (w.pid == $app_pid) out('shown'); });")" ] ;;
    *) false ;;
  esac
}
# focus TITLE: gives the focus to the window of that title, as a click on it would.
focus() {
  case ${desktop:-} in
    sway) swaymsg "[title=\"^$1\$\"] focus" >/dev/null ;;
    kwin) kwin_eval "workspace.clientList().forEach(function (w) {
            if (w.caption == '$1') workspace.activeClient = w; });" ;;
    *) xdotool windowactivate --sync "$(xdotool search --all --onlyvisible --name "^$1\$" 2>/dev/null |
         head -1)" 2>/dev/null ;;
  esac
}

# Waits for the program to end and sets exit_status to its status (or "running").
# Call it directly, not in $(...): a subshell cannot wait for the program, and
# reads -1 when the program ends after the subshell has started.
wait_exit() {
  exit_status=running
  until_ok eval '! kill -0 "$app_pid" 2>/dev/null' && { wait "$app_pid"; exit_status=$?; app_pid=; }
}

stop_tinvue() { [ -z "$app_pid" ] || { kill -9 "$app_pid"; wait "$app_pid"; } 2>/dev/null; app_pid=; }

# Whether the window manager's frame round the window is centred on the work area
# within a pixel (twice the centres compared, from the frame's extents).
frame_centred() {
  local x y width height l r t b area ax ay aw ah
  read -r x y width height <<<"$(xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')"
  read -r l r t b <<<"$(xprop -id "$wid" _NET_FRAME_EXTENTS | tr -d , | cut -d= -f2)"
  # The work area, or the whole screen where the window manager names none (KWin on Wayland).
  area=$(xprop -root _NET_WORKAREA | tr -d , | cut -d= -s -f2 | cut -d' ' -f2-5)
  [ -n "$area" ] || area="0 0 $(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')"
  read -r ax ay aw ah <<<"$area"
  test $(((2 * x - l + width + r - 2 * ax - aw) ** 2 + (2 * y - t + height + b - 2 * ay - ah) ** 2)) -le 4
}

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

