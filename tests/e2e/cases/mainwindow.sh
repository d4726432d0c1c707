# SPDX-License-Identifier: MIT
# The main window as the window manager frames it, its bars under the keyboard,
# and its close box. (copy.sh ends it by the exit item; tst_rendering, tst_form1,
# tst_colorstock and accessibility.sh see its first look.)
start_tinvue || return

read -r WIDTH HEIGHT <<<"$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')"
check "client area of 341 x 285 below a menu bar" test "$WIDTH" = 341 -a "$HEIGHT" -gt 295 -a "$HEIGHT" -lt 330
check "fixed size; minimize, but neither resize nor maximize" sh -c "xprop -id $wid WM_NORMAL_HINTS |
  grep -c 'imum size: $WIDTH by $HEIGHT' | grep -qx 2 && xprop -id $wid _NET_WM_ALLOWED_ACTIONS |
  grep -q MINIMIZE && ! xprop -id $wid _NET_WM_ALLOWED_ACTIONS | grep -qE 'RESIZE|MAXIMIZE'"
check "the frame is centred on the screen within a pixel" frame_centred
# A launcher ties the window to its menu entry by the window's class.
equals "the entry's StartupWMClass is the window's class" "$(sed -n 's/^StartupWMClass=//p' "$desktop")" \
  "$(xprop -id "$wid" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')"

# Keys on the bars, from the red one, and the sample's color after them.
for step in Home:FF0000 Tab,Home:FFFF00 Tab,Up,Up,Up,Up,Up,Prior:FFFF0F Next,Down:FFFF04; do
  xdotool key $(tr , ' ' <<<"${step%:*}") sleep 0.2
  equals "${step%:*} on the bars" "${step#*:}" "$(pixel 236 110)"
done

xdotool key alt+F4
wait_exit
equals "the close box ends the program with status 0" 0 "$exit_status"
