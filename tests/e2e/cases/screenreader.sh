# SPDX-License-Identifier: MIT
# What a blind user hears: the screen reader Orca drives Tinvue from the keyboard in a
# private session bus with its AT-SPI bus, and speaks through speech-dispatcher into a
# file (a generic output module appends each utterance; libao plays to nowhere). Orca
# will not start beside another Orca of the same user and ignores SIGTERM, so it has
# a HOME and settings of its own and is ended by its process id. Each action and
# what Orca said to it is printed.
reader=$work/reader
said=$work/said.txt
mkdir -p "$reader/speech/modules" "$reader/prefs" "$reader/run"
chmod 700 "$reader/run"
: >"$said"
printf 'default_driver=null\n' >"$reader/.libao"
printf '%s\n' 'AudioOutputMethod "libao"' 'AddModule "file" "sd_generic" "file.conf"' \
  'DefaultModule file' >"$reader/speech/speechd.conf"
printf '%s\n' "GenericExecuteSynth \"printf '%s\\\\n' \\'\$DATA\\' >>'$said'\"" \
  'GenericStripPunctChars ""' 'AddVoice "en" "MALE1" "file"' 'GenericLanguage "en" "en" "UTF-8"' \
  >"$reader/speech/modules/file.conf"
reader_env=(HOME="$reader" XDG_CONFIG_HOME="$reader/config" XDG_DATA_HOME="$reader/data"
            XDG_CACHE_HOME="$reader/cache" XDG_RUNTIME_DIR="$reader/run" LANG=C.UTF-8)
coproc reader_session { env "${reader_env[@]}" dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS"; read -r _' 2>"$work/reader-dbus.log"; }
read -r bus <&"${reader_session[0]}"
reader_env+=(DBUS_SESSION_BUS_ADDRESS="$bus")
env "${reader_env[@]}" gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
env "${reader_env[@]}" gsettings set org.gnome.desktop.interface toolkit-accessibility true
env "${reader_env[@]}" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
env "${reader_env[@]}" speech-dispatcher -s -t 0 -C "$reader/speech" -S "$reader/speechd.sock" >"$work/speechd.log" 2>&1 &
speechd_pid=$!

# Slot 01 holds #0B0A01: a reading of the code box that drops its last character is
# told from a whole one.
mkdir -p "$XDG_CONFIG_HOME/Tinvue"
printf '[Settings]\nColorStock_01R=11\nColorStock_01G=10\nColorStock_01B=1\n' >"$XDG_CONFIG_HOME/Tinvue/Tinvue.conf"
DBUS_SESSION_BUS_ADDRESS=$bus QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_tinvue
env "${reader_env[@]}" SPEECHD_ADDRESS="unix_socket:$reader/speechd.sock" orca -u "$reader/prefs" >"$work/orca.log" 2>&1 &
orca_pid=$!

lines() { wc -l <"$said"; }
# hear KEY PATTERN: presses the key and sets heard to what Orca says to it, one
# utterance a line: until a line matches PATTERN (at most ten seconds; fails
# without one), then up to a second of silence.
hear() {
  local from=$(($(lines) + 1)) want=$2 last= found
  xdotool key "$1"
  until_ok eval 'tail -n +"$from" "$said" | grep -q -- "$want"'
  found=$?
  until [ "$last" = "$(lines)" ]; do last=$(lines); sleep 1; done
  heard=$(tail -n +"$from" "$said")
  echo "  $1: $(paste -sd'|' <<<"$heard")"
  return $found
}
# Orca greets, then reads the window and the red bar, which has the focus.
for _ in 1 2 3; do until_ok grep -q '赤 scroll bar' "$said" && break; done
check "Orca reads the window" grep -q '赤 scroll bar' "$said"
echo "  start: $(paste -sd'|' "$said")"

# Flat review line by line from the bars down to the stock's first row, on whose
# first slot keypad / presses the left button: the slot's code is heard at once.
for _ in $(seq 8); do
  hear KP_Page_Up .
  grep -q 'ストック 01' <<<"$heard" && break
done
check "flat review reads a slot with what it holds" grep -q 'ストック 01 #0B0A01 ストック 02 空' <<<"$heard"
check "a recall is heard with the new code" hear KP_Divide '#0B0A01'
hear KP_Subtract 'Leaving flat review'

# The code box read whole as it takes the focus; Home and Right speak "#" and "0",
# and Tinvue still answers: Ctrl+C copies the code.
hear Tab '緑 scroll bar'
hear Tab '青 scroll bar'
hear Tab ' selected\.$'
equals "the code box is read whole as it takes the focus" "#0B0A01 selected." "$(tail -1 <<<"$heard")"
check "Home in the code box speaks the #" hear Home '^number$'
hear Right .
equals "Right speaks the next character" 0 "$heard"
xdotool key ctrl+c
copied() { [ "$(timeout 1 xclip -o -selection clipboard 2>/dev/null)" = "#0B0A01" ]; }
check "Tinvue still answers: Ctrl+C copies the code #0B0A01" until_ok copied

{ kill -9 "$orca_pid" "$speechd_pid"; wait "$orca_pid" "$speechd_pid"; } 2>/dev/null
echo >&"${reader_session[1]}"
