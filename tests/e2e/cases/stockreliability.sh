# The stock under abuse, with the installed program: killed right after each
# right press, two copies storing in turn, and settings files damaged in many
# ways. Each part prints how many of its rounds kept every stored color.
conf_dir=$XDG_CONFIG_HOME/Tinvue
conf=$conf_dir/Tinvue.conf

# repeat KEY N: the key name N times, for one xdotool call.
repeat() { [ "$2" -gt 0 ] && printf "$1 %.0s" $(seq "$2"); }

# wait_pixel X Y RRGGBB: waits up to two seconds for the client pixel to turn RRGGBB.
wait_pixel() {
  for _ in $(seq 40); do
    [ "$(pixel "$1" "$2")" = "$3" ] && return 0
    sleep 0.05
  done
  return 1
}

# stored NN: slot NN's three keys as "R G B", as the file holds them.
stored() {
  local r g b
  r=$(sed -n "s/^ColorStock_$1R=//p" "$conf" 2>/dev/null)
  g=$(sed -n "s/^ColorStock_$1G=//p" "$conf" 2>/dev/null)
  b=$(sed -n "s/^ColorStock_$1B=//p" "$conf" 2>/dev/null)
  echo "$r $g $b"
}

# swatch_colors: the sixteen swatches as RRGGBB, slot 01 first.
swatch_colors() {
  local n
  for n in $(seq 16); do
    printf '%s ' "$(pixel $(slot_xy "$n"))"
  done | sed 's/ $//'
}

# --- Killed at once: the color shown in the swatch is already on disk.
rm -rf "$XDG_CONFIG_HOME"
part_start=$SECONDS
kept=0
start_tinvue || return
for i in $(seq 50); do
  slot=$(printf %02d $(((i - 1) % 16 + 1)))
  # Red i, green 255, blue 0; the focus starts on the red bar.
  xdotool key --delay 1 $(repeat Prior $((i / 10))) $(repeat Up $((i % 10))) Tab Home
  want=$(printf '%02XFF00' "$i")
  press_slot "$slot" 3
  wait_pixel $(slot_xy "$slot") "$want"
  stop_tinvue
  start_tinvue || break
  [ "$(stored "$slot")" = "$i 255 0" ] && [ "$(pixel $(slot_xy "$slot"))" = "$want" ] &&
    kept=$((kept + 1))
done
stop_tinvue
echo "kill-restart: $kept/50 kept ($((SECONDS - part_start)) s)"
equals "kill-restart: every color stored before SIGKILL is there after a restart" 50 "$kept"

# --- Two running copies storing different slots in turn.
rm -rf "$XDG_CONFIG_HOME"
part_start=$SECONDS
start_tinvue || return
wid_a=$wid pid_a=$app_pid
xdotool windowmove "$wid_a" 0 0
start_tinvue || return
wid_b=$wid pid_b=$app_pid
xdotool windowmove "$wid_b" 640 0
# Copy B stores green 255 with its reds, copy A plain reds.
xdotool windowactivate --sync "$wid_b" key Tab Home shift+Tab
declare -A expected=()
rounds=0
for r in $(seq 50); do
  for copy in a b; do
    if [ $copy = a ]; then wid=$wid_a slot=$(printf %02d $(((r - 1) % 8 + 1))) want="$r 0 0"
    else wid=$wid_b slot=$(printf %02d $(((r - 1) % 8 + 9))) want="$r 255 0"; fi
    xdotool windowactivate --sync "$wid" key Up
    press_slot "$slot" 3
    set -- $want
    wait_pixel $(slot_xy "$slot") "$(printf '%02X%02X%02X' "$1" "$2" "$3")"
    expected[$slot]=$want
  done
  all=1
  for s in "${!expected[@]}"; do
    [ "$(stored "$s")" = "${expected[$s]}" ] || all=0
  done
  rounds=$((rounds + all))
done
app_pid=$pid_a
stop_tinvue
app_pid=$pid_b
stop_tinvue
echo "two copies: $rounds/50 rounds kept every key ($((SECONDS - part_start)) s)"
equals "two copies: no stored key is lost" 50 "$rounds"

# --- Damaged settings files: the program starts, loads the slots that are
# whole, leaves the rest white, and a right press never costs data.
# As root, file modes stop nothing; the program then runs without the
# capabilities that override them.
run_as_user=()
if [ "$(id -u)" -eq 0 ]; then
  run_as_user=(setpriv --bounding-set=-dac_override,-dac_read_search)
fi
printf '#!/bin/sh\nexec %s "%s"\n' "${run_as_user[*]}" "$tinvue" >"$work/tinvue-user"
chmod +x "$work/tinvue-user"

slot_lines() { printf 'ColorStock_%sR=%s\nColorStock_%sG=%s\nColorStock_%sB=%s\n' "$1" "$2" "$1" "$3" "$1" "$4"; }
utf16() { iconv -f UTF-8 -t "$1"; }

# damaged NAME LOADED AFTER: LOADED lists "NN=RRGGBB" for the slots that must
# load; AFTER is "same" when the right press must leave every byte as it was,
# "stored" when it must store slot 16 and keep the file's other lines.
safe=0
cases=0
part_start=$SECONDS
damaged() {
  local name=$1 loaded=$2 after=$3 expect colors n
  cases=$((cases + 1))
  expect=$(for n in $(seq 16); do
    printf '%s ' "$(echo "$loaded" | tr ' ' '\n' | sed -n "s/^$(printf %02d "$n")=//p" | grep . || echo FFFFFF)"
  done | sed 's/ $//')
  local before
  before=$(cd "$conf_dir" 2>/dev/null && ls -la --time-style=+ . | md5sum; [ -f Tinvue.conf ] && md5sum <Tinvue.conf)
  local tinvue_real=$tinvue
  tinvue=$work/tinvue-user
  start_tinvue
  tinvue=$tinvue_real
  [ -n "$wid" ] || { restore_damage; return; }
  colors=$(swatch_colors)
  # Red 1, green 2, blue 3, stored in slot 16.
  xdotool key Up Tab Up Up Tab Up Up Up
  press_slot 16 3
  # Alive and answering: the swatch shows the new color whatever the file allows.
  local alive=0
  wait_pixel $(slot_xy 16) 010203 && kill -0 "$app_pid" 2>/dev/null && alive=1
  stop_tinvue
  local now
  now=$(cd "$conf_dir" 2>/dev/null && ls -la --time-style=+ . | md5sum; [ -f Tinvue.conf ] && md5sum <Tinvue.conf)
  restore_damage
  local kept=0
  if [ "$after" = same ]; then
    [ "$now" = "$before" ] && kept=1
  else
    [ "$(stored 16)" = "1 2 3" ] && kept=1
    # Every group and every key's last value, as QSettings reads them.
    missing=$(sed 's/^\xEF\xBB\xBF//; s/\r$//' "$work/original" |
      awk -F= '/^\[/ { print; next } NF > 1 { last[$1] = $0 } END { for (k in last) print last[k] }' |
      grep -cvxF -f "$conf")
    [ "$missing" = 0 ] || kept=0
  fi
  if [ "$colors" = "$expect" ] && [ $alive = 1 ] && [ $kept = 1 ]; then
    safe=$((safe + 1))
  else
    fail "damaged file, $name: swatches '$colors' (want '$expect'), alive $alive, data kept $kept"
  fi
}
restore_damage() { chmod -R u+rwX "$XDG_CONFIG_HOME" 2>/dev/null; }
# new_conf: a fresh folder with stdin as the file, saved for comparison.
new_conf() {
  rm -rf "$XDG_CONFIG_HOME"
  mkdir -p "$conf_dir"
  cat >"$conf"
  cp "$conf" "$work/original"
}

awk 'BEGIN { srand(7); for (i = 0; i < 4096; i++) printf "%c", int(rand() * 256) }' | new_conf
damaged "binary garbage" "" same
{ head -c 2000 /dev/zero; printf '\n[Settings]\n'; slot_lines 01 1 0 0; } | new_conf
damaged "NUL bytes before a whole slot" "01=010000" same
{ awk 'BEGIN { for (i = 0; i < 30000; i++) printf "Key%05d=%s\n", i, "some value text" }'
  printf '[Settings]\n'; slot_lines 02 0 2 0; } | new_conf
damaged "a file of 1 MB" "02=000200" stored
{ printf '[Settings]\r\n'; slot_lines 03 3 0 0 | sed 's/$/\r/'; } | utf16 UTF-16 | new_conf
damaged "UTF-16 with a byte order mark" "" same
{ printf '[Settings]\n'; slot_lines 03 3 0 0; } | utf16 UTF-16BE | new_conf
damaged "UTF-16 big-endian without a mark" "" same
{ printf '[Settings]\n'; slot_lines 04 4 0 0; printf '[Memo]\nname=赤い色\n'; } | iconv -f UTF-8 -t SHIFT_JIS | new_conf
damaged "Shift-JIS" "04=040000" same
{ printf '\xEF\xBB\xBF[Settings]\n'; slot_lines 05 5 0 0; printf 'Memo=赤い色\n'; } | new_conf
damaged "UTF-8 with a byte order mark" "05=050000" stored
{ printf '[Settings]\n'; slot_lines 06 1 0 0; slot_lines 06 6 0 0; } | new_conf
damaged "duplicate keys, the later counts" "06=060000" stored
{ printf '[Settings]\nColorStock_07R=7\n[Other]\nx=1\n[Settings]\nColorStock_07G=0\nColorStock_07B=0\n'; } | new_conf
damaged "a group in two pieces" "07=070000" stored
{ printf '# my colors\n[Settings]\n'; slot_lines 08 8 0 0; printf 'a line without equals\n'; } | new_conf
damaged "a hash comment and a line without equals" "08=080000" same
{ printf '[Settings\n'; slot_lines 09 9 0 0; printf '[Other]\nkeep=1\n'; } | new_conf
damaged "a group without its closing bracket" "09=090000" same
{ printf '[Settings]\n'; slot_lines 10 300 0 0; slot_lines 11 -1 0 0; slot_lines 12 abc 0 0;
  slot_lines 13 0 0 32768; slot_lines 14 0 '" 1"' 0; slot_lines 15 0 0 14; } | new_conf
damaged "numbers out of range and texts that are not numbers" "10=FF0000 15=00000E" stored
{ printf '[Settings]\r\n'; slot_lines 11 11 0 0 | sed 's/$/\r/'; } | new_conf
damaged "CRLF line ends" "11=0B0000" stored
new_conf </dev/null
damaged "an empty file" "" stored
rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$conf"; : >"$work/original"
damaged "a folder where the file should be" "" same
rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$conf_dir"; mkfifo "$conf"; : >"$work/original"
damaged "a pipe where the file should be" "" same
rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$conf_dir"; ln -s nowhere "$conf"; : >"$work/original"
damaged "a dangling symbolic link" "" same
rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$XDG_CONFIG_HOME"; echo not a folder >"$conf_dir"; : >"$work/original"
damaged "a file where the folder should be" "" same
{ printf '[Settings]\n'; slot_lines 12 12 0 0; } | new_conf
chmod 000 "$conf"
damaged "an unreadable file" "" same
{ printf '[Settings]\n'; slot_lines 13 13 0 0; } | new_conf
chmod 444 "$conf"
damaged "a read-only file" "13=0D0000" same
{ printf '[Settings]\n'; slot_lines 14 14 0 0; } | new_conf
chmod 555 "$conf_dir"
damaged "a read-only folder" "14=0E0000" same
restore_damage
echo "damaged files: $safe/$cases safe ($((SECONDS - part_start)) s)"
equals "damaged files: the program starts, loads what is whole and loses nothing" "$cases" "$safe"
