# SPDX-License-Identifier: MIT
# F4 and F5 keep the window above all others and release it, as the window
# manager sees it, and so does the About item; the window never moves.
state() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && printf 'above ' || printf 'normal '
  xdotool getwindowgeometry "$wid" | tr '\n' ' '; }

start_tinvue || return
where=$(state | cut -d' ' -f2-)
for step in -:normal F4:above F4:above F5:normal F4:above alt+h,a:normal; do
  keys=${step%:*}
  [ "$keys" = - ] || xdotool key --delay 300 ${keys//,/ } sleep 0.5
  equals "after $keys: ${step#*:}, in the same place" "${step#*:} $where" "$(state)"
done
