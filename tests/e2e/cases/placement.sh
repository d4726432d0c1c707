# F4 and F5 keep the window above all others and release it, as the window
# manager sees it; the About item releases it too. The window never moves.
above() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo above || echo normal; }
place() { xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print x "," y " " w "x" h}'; }

rm -rf "$XDG_CONFIG_HOME"
start_tinvue || return
where=$(place)
equals "not on top at start" normal "$(above)"

xdotool key F4
sleep 0.3
equals "F4 keeps the window on top" above "$(above)"
equals "F4 neither moves nor resizes" "$where" "$(place)"
xdotool key F4
sleep 0.3
equals "F4 again leaves it on top" above "$(above)"
xdotool key F5
sleep 0.3
equals "F5 releases it" normal "$(above)"
equals "F5 neither moves nor resizes" "$where" "$(place)"

xdotool key Tab Tab Tab
sleep 0.2
xdotool key F4
sleep 0.3
equals "F4 with the focus in the code box" above "$(above)"
xdotool key F5
sleep 0.3
equals "F5 with the focus in the code box" normal "$(above)"

xdotool key F4
sleep 0.3
xdotool key alt+h
sleep 0.3
xdotool key a
sleep 0.5
equals "the About item releases the window" normal "$(above)"
equals "the About item neither moves nor resizes" "$where" "$(place)"
xdotool key Escape
sleep 0.3
equals "still released once the About window is closed" normal "$(above)"
