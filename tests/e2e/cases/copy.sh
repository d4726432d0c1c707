# The copy commands put the code on the real clipboard, and the code stays
# pasteable after Tinvue has ended, until another program takes the clipboard.
clipboard() { timeout 3 xclip -o -selection clipboard 2>/dev/null; }
take_clipboard() { printf '%s' "$1" | xclip -selection clipboard -in 2>/dev/null; sleep 0.2; }

rm -rf "$XDG_CONFIG_HOME"
start_tinvue || return
xdotool key Home Tab Up Up Up Up Up
sleep 0.2

take_clipboard other
xdotool key ctrl+c
sleep 0.3
equals "Ctrl+C copies the code" "#FF0500" "$(clipboard)"

take_clipboard other
top=$(client_top)
xdotool mousemove --window "$wid" 112 $((top + 29)) click 1
sleep 0.3
equals "the copy button copies the code" "#FF0500" "$(clipboard)"

take_clipboard other
xdotool key alt+e
sleep 0.3
xdotool key c
sleep 0.3
equals "Alt+E then C copies the code" "#FF0500" "$(clipboard)"

take_clipboard other
xdotool key Tab Tab
sleep 0.2
xdotool key ctrl+c
sleep 0.3
equals "Ctrl+C with the focus in the code box" "#FF0500" "$(clipboard)"

before=$(pgrep -x xclip | sort)
xdotool key alt+f
sleep 0.3
xdotool key x
wait_exit
equals "the exit item ends the program" 0 "$exit_status"
equals "the code is still on the clipboard after the end" "#FF0500" "$(clipboard)"
keeper=$(comm -13 <(echo "$before") <(pgrep -x xclip | sort))
check "one clipboard keeper runs" test "$(echo "$keeper" | grep -c .)" -eq 1
take_clipboard taken
sleep 0.3
equals "another program takes the clipboard" taken "$(clipboard)"
# An ended process may linger as a zombie where nothing reaps orphans.
check "the keeper has ended once another program owns the clipboard" \
  sh -c "! ps -o stat= -p $keeper | grep -qv Z"
