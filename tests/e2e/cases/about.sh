# The About window from the Help menu: modal over the main window, closed by Esc
# and Enter, its system information button with a tool to start and without one,
# and its link handed to the desktop's opener.

# Stand-ins that record how they were started. Without a desktop session,
# QDesktopServices runs xdg-open from PATH with the address as its one argument.
about_bin=$work/about-bin
about_tool=$work/about-tool
mkdir -p "$about_bin" "$about_tool"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$work/opened" >"$about_bin/xdg-open"
printf '#!/bin/sh\necho started >>"%s"\n' "$work/tool-started" >"$about_tool/kinfocenter"
# The program runs with a PATH of its own: with the tool, or with the opener alone
# so that no system information program of this machine can be found.
real_tinvue=$tinvue
printf '#!/bin/sh\nunset BROWSER DEFAULT_BROWSER\nPATH="%s:%s:$PATH" exec "%s"\n' \
  "$about_tool" "$about_bin" "$real_tinvue" >"$work/tinvue-with-tool"
printf '#!/bin/sh\nPATH="%s" exec "%s"\n' "$about_bin" "$real_tinvue" >"$work/tinvue-without-tool"
chmod +x "$about_bin/xdg-open" "$about_tool/kinfocenter" "$work/tinvue-with-tool" "$work/tinvue-without-tool"

about_window() {
  xdotool search --all --onlyvisible --pid "$app_pid" --name '^ﾊﾞｰｼﾞｮﾝ情報$' 2>/dev/null | head -1
}
# wait_about shown|gone: waits (bounded) for the About window to appear or go.
wait_about() {
  for _ in $(seq 50); do
    aw=$(about_window)
    { [ "$1" = shown ] && [ -n "$aw" ]; } || { [ "$1" = gone ] && [ -z "$aw" ]; } && return 0
    sleep 0.1
  done
  return 1
}
open_about() {
  xdotool key alt+h
  sleep 0.3
  xdotool key a
  wait_about shown
}
tinvue_windows() {
  xdotool search --all --onlyvisible --pid "$app_pid" --name '^Tinvue$' 2>/dev/null | wc -l
}
wait_file() {
  for _ in $(seq 50); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
# centre WINDOW: the centre of its client area on the screen.
centre() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print int(x + w / 2) " " int(y + h / 2)}'
}

rm -rf "$XDG_CONFIG_HOME"
tinvue=$work/tinvue-with-tool
start_tinvue || { tinvue=$real_tinvue; return; }

check "Alt+H then A opens the About window" open_about
equals "About window title" "ﾊﾞｰｼﾞｮﾝ情報" "$(xdotool getwindowname "$aw")"
equals "About client area" "379 x 172" \
  "$(xwininfo -id "$aw" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w " x " h}')"
check "fixed size in the size hints" sh -c "xprop -id $aw WM_NORMAL_HINTS |
  grep -q 'minimum size: 379 by 172' && xprop -id $aw WM_NORMAL_HINTS | grep -q 'maximum size: 379 by 172'"
check "a modal dialog of the main window" sh -c "xprop -id $aw WM_TRANSIENT_FOR |
  grep -qi \"$(printf '0x%x' "$wid")\" && xprop -id $aw _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL &&
  xprop -id $aw _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG"
check "the window manager offers neither resize nor maximize" sh -c "! xprop -id $aw _NET_WM_ALLOWED_ACTIONS |
  grep -qE 'ACTION_RESIZE|ACTION_MAXIMIZE'"
read -r mx my <<<"$(centre "$wid")"
read -r ax ay <<<"$(centre "$aw")"
check "centred over the main window" test $((mx - ax)) -ge -1 -a $((mx - ax)) -le 1 \
  -a $((my - ay)) -ge -1 -a $((my - ay)) -le 1

# The main window takes no input while the About window is open: even with the
# keyboard focus forced onto it, Home does not reach its red bar.
xdotool windowfocus "$wid"
sleep 0.2
xdotool key Home
sleep 0.3
xdotool windowactivate --sync "$aw"
xdotool key Escape
check "Esc closes the About window" wait_about gone
check "the program goes on" kill -0 "$app_pid"
equals "the main window took no key while the About window was open" 000000 "$(pixel 236 110)"
xdotool key Home
sleep 0.3
equals "the same key reaches the main window afterwards" FF0000 "$(pixel 236 110)"

open_about
xdotool key Return
check "Enter closes the About window" wait_about gone

open_about
xdotool key alt+s
check "Alt+S starts the system information program" wait_file "$work/tool-started"
sleep 0.3
check "the About window stays open" test -n "$(about_window)"
equals "no message besides the main window" 1 "$(tinvue_windows)"

xdotool mousemove --window "$aw" 80 116 click 1
check "a click on the link calls the desktop's opener" wait_file "$work/opened"
equals "the opener gets the address without URL:" "https://tinvue.example.org/" "$(cat "$work/opened" 2>/dev/null)"
check "the About window stays open after the link" test -n "$(about_window)"
xdotool key Escape
wait_about gone
stop_tinvue

tinvue=$work/tinvue-without-tool
start_tinvue || { tinvue=$real_tinvue; return; }
open_about
xdotool key alt+s
for _ in $(seq 50); do
  [ "$(tinvue_windows)" -ge 2 ] && break
  sleep 0.1
done
equals "without a program a message titled Tinvue appears" 2 "$(tinvue_windows)"
xdotool key Return
sleep 0.3
equals "Enter closes the message" 1 "$(tinvue_windows)"
check "the About window stays open after the message" test -n "$(about_window)"
xdotool key Escape
check "and closes on Esc" wait_about gone
tinvue=$real_tinvue
