# The main window as a user first meets it, the scroll bars under the keyboard,
# and the exit item.
rm -rf "$XDG_CONFIG_HOME"
start_tinvue || return

equals "window title" "Tinvue" "$(xdotool getwindowname "$wid")"
width=$(xwininfo -id "$wid" | awk '/Width:/ {print $2}')
height=$(xwininfo -id "$wid" | awk '/Height:/ {print $2}')
equals "client width" 341 "$width"
check "client area of 285 below a menu bar" test "$height" -gt 295 -a "$height" -lt 330
check "fixed size in the size hints" sh -c "xprop -id $wid WM_NORMAL_HINTS |
  grep -q 'minimum size: $width by $height' && xprop -id $wid WM_NORMAL_HINTS |
  grep -q 'maximum size: $width by $height'"
check "the window manager offers neither resize nor maximize" sh -c "! xprop -id $wid _NET_WM_ALLOWED_ACTIONS |
  grep -qE 'ACTION_RESIZE|ACTION_MAXIMIZE'"
check "the window manager offers minimize" sh -c "xprop -id $wid _NET_WM_ALLOWED_ACTIONS | grep -q ACTION_MINIMIZE"
xdotool windowsize "$wid" 500 500
sleep 0.3
equals "a resize request is refused" "$width x $height" \
  "$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w " x " h}')"

equals "black sample" 000000 "$(pixel 236 110)"
equals "red value label" FF8080 "$(pixel 17 76)"
equals "green value label" 80FF80 "$(pixel 57 76)"
equals "blue value label" 8080FF "$(pixel 97 76)"
white=0
for row in 238 262; do
  for col in 0 1 2 3 4 5 6 7; do
    [ "$(pixel $((30 + 40 * col)) "$row")" = FFFFFF ] && white=$((white + 1))
  done
done
equals "sixteen white swatches" 16 "$white"

# The focus starts on the red bar; Home takes it to the top end.
xdotool key Home
sleep 0.2
equals "Home on the red bar" FF0000 "$(pixel 236 110)"
xdotool key Tab Home
sleep 0.2
equals "Tab, then Home on the green bar" FFFF00 "$(pixel 236 110)"
xdotool key Tab Up Up Up Up Up Prior
sleep 0.2
equals "Tab, then Up and Page Up on the blue bar" FFFF0F "$(pixel 236 110)"
xdotool key Next Down
sleep 0.2
equals "Page Down and Down on the blue bar" FFFF04 "$(pixel 236 110)"

xdotool key alt+f
sleep 0.3
xdotool key x
wait_exit
equals "Alt+F then X ends the program with status 0" 0 "$exit_status"
check "no settings file was created" test ! -e "$XDG_CONFIG_HOME/Tinvue"

start_tinvue || return
xdotool key alt+F4
wait_exit
equals "the close box ends the program with status 0" 0 "$exit_status"
check "no settings file after the close box" test ! -e "$XDG_CONFIG_HOME/Tinvue"
