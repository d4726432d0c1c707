# The stock slots: a right press stores the current color in the swatch and in
# the settings file, a restart paints it again, a left press makes it current.
rm -rf "$XDG_CONFIG_HOME"
conf=$XDG_CONFIG_HOME/Tinvue/Tinvue.conf
start_tinvue || return

# Red 100, green 200, blue 50 with Page Up on each bar in turn: #64C832.
xdotool key --delay 5 $(printf 'Prior %.0s' $(seq 10)) Tab $(printf 'Prior %.0s' $(seq 20)) \
  Tab $(printf 'Prior %.0s' $(seq 5))
sleep 0.2
equals "the sample shows the mixed color" 64C832 "$(pixel 236 110)"
press_slot 05 3
sleep 0.3
equals "a right press paints slot 05" 64C832 "$(pixel $(slot_xy 05))"
equals "the file holds slot 05" "ColorStock_05B=50 ColorStock_05G=200 ColorStock_05R=100" \
  "$(grep -x 'ColorStock_05[RGB]=.*' "$conf" | sort | tr '\n' ' ' | sed 's/ $//')"
check "the keys are in the [Settings] group" grep -qx '\[Settings\]' "$conf"

xdotool keydown shift
press_slot 16 3
xdotool keyup shift
sleep 0.3
equals "a right press with Shift held stores too" 64C832 "$(pixel $(slot_xy 16))"
press_slot 06 2
sleep 0.3
equals "the middle button stores nothing" FFFFFF "$(pixel $(slot_xy 06))"
check "the file has no key for slot 06" sh -c "! grep -q ColorStock_06 '$conf'"

# Ending at once keeps what was stored; the current color is not kept.
stop_tinvue
start_tinvue || return
equals "after a restart slot 05 shows the stored color" 64C832 "$(pixel $(slot_xy 05))"
equals "and so does slot 16" 64C832 "$(pixel $(slot_xy 16))"
white=0
for n in 01 02 03 04 06 07 08 09 10 11 12 13 14 15; do
  [ "$(pixel $(slot_xy $n))" = FFFFFF ] && white=$((white + 1))
done
equals "the other fourteen slots are white" 14 "$white"
equals "the color starts black" 000000 "$(pixel 236 110)"

press_slot 06 1
sleep 0.2
equals "a left press on a white slot changes nothing" 000000 "$(pixel 236 110)"
press_slot 05 1
sleep 0.3
equals "a left press brings the sample back" 64C832 "$(pixel 236 110)"
xdotool key ctrl+c
sleep 0.3
equals "and the hex code" "#64C832" "$(xclip -o -selection clipboard 2>/dev/null)"
# The focus is still on the red bar: one step down from the loaded 100 gives 99.
xdotool key Down
sleep 0.2
equals "and the scroll bars" 63C832 "$(pixel 236 110)"
