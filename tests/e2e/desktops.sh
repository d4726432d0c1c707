#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End-to-end tests of the installed package under the Wayland compositors of the
# common desktops, each with XWayland and nested in an X display of its own: GNOME's
# mutter, KDE's kwin_wayland and sway (wlroots). In each, Tinvue starts on the
# platform that suits the desktop: X11 where its window manager keeps windows on top,
# and there F4 keeps it above a window raised afterwards and F5 releases it, and its
# frame is centred; Wayland elsewhere. The desktop ties the window to its entry, and
# a copied code outlives Tinvue on the Wayland and the X11 clipboard.
#   desktops.sh [DESKTOP[:PLATFORM]...]   mutter, kwin, sway; a platform named as a
#                                         user names it (default: mutter kwin kwin:wayland sway)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
nested=1
# shellcheck source=session.sh
. "$here/session.sh"
trap 'stop_desktop; cleanup' EXIT

dpkg -L tinvue >/dev/null 2>&1 || { echo "FAIL: the tinvue package is not installed"; exit 1; }
tinvue=/usr/bin/tinvue
export XDG_CONFIG_HOME=$work/config

# screen_pixel X Y: the color the desktop shows at a point of its screen, as RRGGBB.
screen_pixel() {
  DISPLAY=$screen timeout 5 import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    grep -o '#[0-9A-F]\{6\}' | head -1 | tr -d '#'
}
keys() { DISPLAY=$screen xdotool key --delay 300 "$@"; }
# The platform plugin that Tinvue has loaded: xcb or wayland.
platform() { grep -o 'platforms/libq[a-z]*' "/proc/$app_pid/maps" | head -1 | sed 's/.*libq//'; }

runs=("$@")
[ $# -gt 0 ] || runs=(mutter kwin kwin:wayland sway)
for run in "${runs[@]}"; do
  echo "== $run"
  SECONDS=0
  desktop=${run%%:*}
  chosen=${run#"$desktop"}
  export QT_QPA_PLATFORM=${chosen#:}
  [ -n "$QT_QPA_PLATFORM" ] || unset QT_QPA_PLATFORM
  start_desktop "$desktop" || continue
  # Another program's window, solid green, over the right of Tinvue's sample, which is
  # black in the middle of the screen; a click on its far side raises it.
  xlogo -geometry 300x300+700+300 -bg '#00FF00' -fg '#00FF00' >/dev/null 2>&1 &
  other_pid=$!
  start_tinvue || { stop_desktop; continue; }
  expected=${chosen#:}
  [ -n "$expected" ] || case $desktop in
    mutter | kwin) expected=xcb ;;
    sway) expected=wayland ;;
  esac
  equals "Tinvue runs on the platform that suits $run" "$expected" "$(platform)"

  if [ "$expected" = xcb ]; then
    check "the frame is centred on the work area" frame_centred
    for step in F4:000000 F5:00FF00; do
      focus Tinvue
      keys "${step%:*}"
      DISPLAY=$screen xdotool mousemove 950 450 click 1 sleep 0.5
      equals "after ${step%:*}, the window raised next is $([ "${step#*:}" = 00FF00 ] || echo 'not ')above Tinvue" \
        "${step#*:}" "$(screen_pixel 750 520)"
    done
  fi
  case $desktop in
    # No maximize button on the fixed window either.
    kwin) equals "KWin ties the window to its desktop entry, and cannot maximize it" \
            "io.github.tinvue.Tinvue false" "$(kwin_eval "workspace.clientList().forEach(function (w) {
              if (w.pid == $app_pid) out(w.desktopFileName + ' ' + w.maximizable); });")" ;;
    sway) equals "sway knows the window by its app id" io.github.tinvue.Tinvue \
            "$(swaymsg -t get_tree | grep -A20 "\"pid\": $app_pid," | sed -n 's/.*"app_id": "\(.*\)".*/\1/p')" ;;
  esac

  # Ctrl+C: under KWin a Wayland window's copy from the Edit menu does not reach the clipboard.
  focus Tinvue
  keys Home Tab Up Up Up Up Up ctrl+c alt+f x
  wait_exit
  equals "Ctrl+C, then Alt+F X ends Tinvue with status 0" 0 "$exit_status"
  equals "the Wayland clipboard keeps the code as UTF-8 text" "#FF0500" \
    "$(timeout 3 wl-paste -n -t 'text/plain;charset=utf-8' 2>&1)"
  # wlroots serves the clipboard only to the X11 program that has the focus.
  focus xlogo
  equals "the X11 clipboard keeps it too" "#FF0500" "$(timeout 3 xclip -o -selection clipboard 2>&1)"
  { kill "$other_pid"; wait "$other_pid"; } 2>/dev/null
  stop_desktop
  echo "($run: $SECONDS s)"
done

summary desktops
