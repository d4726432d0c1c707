# SPDX-License-Identifier: MIT
# The Edit menu's copy puts the code on the real clipboard, and the code stays
# pasteable after the exit item has ended Tinvue, until another program takes it.
# (tst_form1 copies by Ctrl+C, the button and in the code box.)
clipboard() { timeout 3 xclip -o -selection clipboard 2>/dev/null; }
take_clipboard() { printf '%s' "$1" | xclip -selection clipboard -in 2>/dev/null; sleep 0.3; }

start_tinvue || return
xdotool key Home Tab Up Up Up Up Up key --delay 300 alt+e c sleep 0.3
equals "Alt+E then C copies the code" "#FF0500" "$(clipboard)"

before=$(pgrep -x xclip | sort)
xdotool key --delay 300 alt+f x
wait_exit
equals "Alt+F then X ends the program with status 0" 0 "$exit_status"
check "and writes no settings file" test ! -e "$XDG_CONFIG_HOME/Tinvue"
equals "the code is still on the clipboard after the end" "#FF0500" "$(clipboard)"
keeper=$(comm -13 <(echo "$before") <(pgrep -x xclip | sort))
check "one clipboard keeper runs" test "$(echo "$keeper" | grep -c .)" -eq 1
take_clipboard taken
# An ended process may linger as a zombie where nothing reaps orphans.
check "the keeper has ended once another program owns the clipboard" \
  sh -c "! ps -o stat= -p $keeper | grep -qv Z"
