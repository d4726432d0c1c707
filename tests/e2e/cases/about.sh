# SPDX-License-Identifier: MIT
# The About window from the Help menu: modal over the main window, its keys, its
# link, and its system information button with a tool to start and without one.
# (placement.sh: opening it releases the main window from the top.)
# Stand-ins record what the desktop's opener and the tool were given; the program
# runs with a PATH of them alone, so that no tool of this machine is found.
for f in xdg-open cinnamon-settings; do
  printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/$f.log" | install -D -m 755 /dev/stdin "$work/bin/$f"
done
printf '#!/bin/sh\nPATH=%s exec "%s"\n' "$work/bin" "$tinvue" | install -m 755 /dev/stdin "$work/tinvue-alone"
windows() { xdotool search --all --onlyvisible --pid "$app_pid" --name "$1" 2>/dev/null; }
shown() { aw=$(windows '^ﾊﾞｰｼﾞｮﾝ情報$' | head -1); [ -n "$aw" ]; }
open_about() { xdotool key --delay 300 alt+h a; until_ok shown; }
# centre WINDOW: twice the centre of its client area on the screen.
centre() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print 2 * x + w, 2 * y + h}'; }

tinvue=$work/tinvue-alone start_tinvue || return
check "Alt+H then A opens the About window" open_about
check "a modal dialog of the main window, neither resizable nor maximizable" sh -c "xprop -id $aw WM_TRANSIENT_FOR |
  grep -qi $(printf 0x%x "$wid") && xprop -id $aw _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL &&
  xprop -id $aw _NET_WM_WINDOW_TYPE | grep -q DIALOG && ! xprop -id $aw _NET_WM_ALLOWED_ACTIONS | grep -qE 'RESIZE|MAXIMIZE'"
read -r mx my ax ay <<<"$(centre "$wid") $(centre "$aw")"
check "centred over the main window within a pixel" test $(((mx - ax) ** 2 + (my - ay) ** 2)) -le 4
xdotool mousemove --window "$aw" 80 116 click 1
check "a click on the link gives the desktop's opener the address without URL:" \
  until_ok grep -qx https://tinvue.example.org/ "$work/xdg-open.log"
# Even with the keyboard focus forced onto the main window, Home does not reach its red bar.
xdotool windowfocus "$wid" sleep 0.2 key Home sleep 0.3 windowactivate --sync "$aw" key Escape
check "Esc closes the About window" until_ok eval '! shown'
equals "the main window took no key while the About window was open" 000000 "$(pixel 236 110)"

# Tab goes from OK to the system information button and back, so three Tabs land on
# the button; Enter presses the button that has the focus, OK otherwise.
open_about
xdotool key Tab Tab Tab Return
check "Tab three times, Enter starts the system information program with its arguments" \
  until_ok grep -qx info "$work/cinnamon-settings.log"
xdotool key Tab Return
check "Tab back to OK, Enter closes the About window" until_ok eval '! shown'
# Found, but it cannot start. (Where none is found, tst_frmabout sees the message.)
printf '#!/nowhere\n' >"$work/bin/cinnamon-settings"
open_about
xdotool key alt+s
check "Alt+S with a program that cannot start shows a message titled Tinvue" until_ok eval '[ "$(windows ^Tinvue$ | wc -l)" -eq 2 ]'
