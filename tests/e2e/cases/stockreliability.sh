# The stock under abuse, with the installed program: killed right after a right
# press, two copies storing in turn, and one table of settings files that are
# damaged or cannot be written. A store that does not reach the disk is told in
# one message box a run; every store after the cause is gone is kept.
conf_dir=$XDG_CONFIG_HOME/Tinvue
conf=$conf_dir/Tinvue.conf

repeat() { [ "$2" -gt 0 ] && printf "$1 %.0s" $(seq "$2"); }
# wait_pixel X Y RRGGBB: waits up to two seconds for the client pixel to turn RRGGBB.
wait_pixel() {
  for _ in $(seq 40); do
    [ "$(pixel "$1" "$2")" = "$3" ] && return 0
    sleep 0.05
  done
  return 1
}
# stored NN: slot NN's keys as "R G B", as the file holds them.
stored() { for c in R G B; do sed -n "s/^ColorStock_$1$c=//p" "$conf" 2>/dev/null; done | paste -sd' '; }
# swatches_are DESCRIPTION "NN=RRGGBB ...": every other slot white, a later entry counting.
swatches_are() {
  local n xy fmt= want= top
  top=$(client_top)
  for n in $(seq -w 16); do
    read -r -a xy <<<"$(slot_xy "$n")"
    fmt+="%[hex:p{${xy[0]},$((xy[1] + top))}] "
    want+="$(printf '%s\n' $2 | sed -n "s/^$n=//p" | tail -1 | grep . || echo FFFFFF) "
  done
  equals "$1" "${want% }" "$(import -window "$wid" -depth 8 miff:- 2>/dev/null | convert - -format "${fmt% }" info:)"
}

# --- Killed at once: the color shown in the swatch is already on disk.
rm -rf "$XDG_CONFIG_HOME"
kept=0
for i in $(seq 6); do
  start_tinvue || break
  # Red i, green 255; the focus starts on the red bar.
  xdotool key --delay 1 $(repeat Up "$i") Tab Home
  press_slot "0$i" 3
  wait_pixel $(slot_xy "0$i") "$(printf '%02XFF00' "$i")"
  stop_tinvue
  [ "$(stored "0$i")" = "$i 255 0" ] && kept=$((kept + 1))
done
equals "kill-restart: every color stored before SIGKILL is on disk" 6 "$kept"

# --- Two running copies storing different slots in turn: none loses the other's keys.
rm -rf "$XDG_CONFIG_HOME"
start_tinvue || return
wid_a=$wid pid_a=$app_pid
xdotool windowmove "$wid_a" 0 0
start_tinvue || return
wid_b=$wid pid_b=$app_pid
xdotool windowmove "$wid_b" 640 0
rounds=0
for r in 1 2 3 4; do
  for wid in $wid_a $wid_b; do
    xdotool windowactivate --sync "$wid" key Up
    slot=$(printf %02d $((r + (wid == wid_b) * 8)))
    press_slot "$slot" 3
    wait_pixel $(slot_xy "$slot") "$(printf '%02X0000' "$r")"
  done
  all=1
  for k in $(seq "$r"); do
    [ "$(stored 0$k) $(stored $(printf %02d $((k + 8))))" = "$k 0 0 $k 0 0" ] || all=0
  done
  rounds=$((rounds + all))
done
kill -9 "$pid_a" "$pid_b"
equals "two copies: every round keeps every key" 4 "$rounds"

# --- The settings file damaged or not writable. As root, file modes stop nothing;
# the program then runs without the capabilities that override them.
user=()
[ "$(id -u)" -eq 0 ] && user=(setpriv --bounding-set=-dac_override,-dac_read_search)
printf '#!/bin/sh\nexec %s "%s"\n' "${user[*]}" "$tinvue" >"$work/tinvue-user"
chmod +x "$work/tinvue-user"
real_tinvue=$tinvue
mounted=
unmount() { [ -n "$mounted" ] && umount "$mounted" && mounted=; }
trap 'unmount; cleanup' EXIT
# A 16 kB disk over the settings folder, and a file that fills it.
small_disk() { mount -t tmpfs -o size=16k tmpfs "$conf_dir" && mounted=$conf_dir; }
fill() { dd if=/dev/zero of="$conf_dir/fill" bs=4k 2>/dev/null; }
slot_lines() { printf 'ColorStock_%sR=%s\nColorStock_%sG=%s\nColorStock_%sB=%s\n' "$1" "$2" "$1" "$3" "$1" "$4"; }
# conf_of: stdin becomes the file, kept for comparison.
conf_of() { cat >"$conf" && cp "$conf" "$work/original"; }
state() { (cd "$conf_dir" 2>/dev/null && ls -la --time-style=+ . | md5sum && [ -f Tinvue.conf ] && md5sum <Tinvue.conf); }
# Every group and every key's last value of the original that the file lacks, as QSettings reads them.
missing() {
  sed 's/^\xEF\xBB\xBF//; s/\r$//' "$work/original" |
    awk -F= '/^\[/ { print; next } NF > 1 { last[$1] = $0 } END { for (k in last) print last[k] }' |
    grep -cvxF -f "$conf"
}
# press_told NN RRGGBB: right press on slot NN, which turns RRGGBB; prints how many
# message boxes came up, and closes them.
press_told() {
  press_slot "$1" 3
  wait_pixel $(slot_xy "$1") "$2"
  local boxes=
  for _ in $(seq 5); do
    boxes=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Tinvue$' | grep -vx "$wid")
    [ -n "$boxes" ] && break
    sleep 0.1
  done
  echo "$boxes" | grep -c .
  for b in $boxes; do xdotool windowactivate --sync "$b" key Return; done
  sleep 0.2
}
start_user() { tinvue=$work/tinvue-user; start_tinvue; local ok=$?; tinvue=$real_tinvue; return $ok; }

# row NAME TOLD KEPT LOADED SETUP FIX: SETUP damages a fresh folder; slots 15 and
# 16 are stored (BETWEEN, set by SETUP, runs between the two); TOLD is the number
# of message boxes of each store; KEPT is "same" when the folder must stay as it
# was, else the slots that must be on disk, beside every key the file had;
# LOADED lists "NN=RRGGBB" for the slots that show at start. FIX takes the cause
# away (and may change LOADED); then a store is told nothing and read back.
row() {
  local name=$1 kept=$3 loaded=$4 between=: told before link s
  rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$conf_dir" && : >"$work/original"
  eval "$5"
  before=$(state) link=$(readlink "$conf")
  start_user || { unmount; return; }
  swatches_are "$name: loads what is whole" "$loaded"
  xdotool key Up Tab Up Up Tab Up Up Up
  told=$(press_told 15 010203)
  eval "$between"
  equals "$name: message boxes" "$2" "$told $(press_told 16 010203)"
  stop_tinvue
  if [ "$kept" = same ]; then
    equals "$name: left as it was" "$before" "$(state)"
  else
    equals "$name: stored and lost nothing" "15:$([[ $kept == *15* ]] && echo 1 2 3) 16:$([[ $kept == *16* ]] && echo 1 2 3) 0" \
      "15:$(stored 15) 16:$(stored 16) $(missing)"
    for s in $kept; do loaded+=" $s=010203"; done
  fi
  equals "$name: the link is kept" "$link" "$(readlink "$conf")"
  eval "$6"
  start_user || { unmount; return; }
  swatches_are "$name: after a restart" "$loaded"
  xdotool key $(repeat Up 4) Tab $(repeat Up 5) Tab $(repeat Up 6)
  equals "$name: once the cause is gone, a store tells nothing" 0 "$(press_told 16 040506)"
  stop_tinvue
  start_user && swatches_are "$name: and is read back" "$loaded 16=040506"
  stop_tinvue
  unmount
}

cd_lines() { printf '[Settings]\n'; slot_lines "$@"; }
row "Shift-JIS, not UTF-8" "1 0" same "04=040000" \
  "{ cd_lines 04 4 0 0; printf '[Memo]\nname=赤い色\n'; } | iconv -t SHIFT_JIS | conf_of" 'rm "$conf"; loaded='
row "NUL bytes before a whole slot" "1 0" same "01=010000" \
  "{ head -c 2000 /dev/zero; printf '\n'; cd_lines 01 1 0 0; } | conf_of" 'rm "$conf"; loaded='
row "a group without its closing bracket" "1 0" same "09=090000" \
  "{ printf '[Settings\n'; slot_lines 09 9 0 0; printf '[Other]\nkeep=1\n'; } | conf_of" 'rm "$conf"; loaded='
# 1 MB, a byte order mark, a key twice (the later counts), a group in two pieces, CRLF.
row "a large file QSettings reads whole" "0 0" "15 16" "05=050000 06=060000 07=070000 11=0B0000" \
  "{ printf '\xEF\xBB\xBF'; awk 'BEGIN { for (i = 0; i < 30000; i++) printf \"Key%05d=some value text\n\", i }'
     cd_lines 05 5 0 0; slot_lines 06 1 0 0; slot_lines 06 6 0 0; printf '[Other]\nx=1\n[Settings]\n'
     slot_lines 07 7 0 0; slot_lines 11 11 0 0 | sed 's/\$/\r/'; } | conf_of" :
row "an empty file" "0 0" "15 16" "" "conf_of </dev/null" :
row "a pipe where the file should be" "1 0" same "" 'mkfifo "$conf"' 'rm "$conf"'
row "a dangling symbolic link" "1 0" same "" 'ln -s gone.conf "$conf"' ': >"$conf_dir/gone.conf"'
row "a symbolic link to the file" "0 0" "15 16" "03=030000" \
  'mkdir "$XDG_CONFIG_HOME/real"; cd_lines 03 3 0 0 | tee "$XDG_CONFIG_HOME/real/t.conf" >"$work/original"; ln -s ../real/t.conf "$conf"' :
row "XDG_CONFIG_HOME is a file" "1 0" same "" 'rm -rf "$XDG_CONFIG_HOME"; echo x >"$XDG_CONFIG_HOME"' \
  'rm "$XDG_CONFIG_HOME"; mkdir "$XDG_CONFIG_HOME"'
row "an unreadable file" "1 0" same "" 'cd_lines 12 12 0 0 | conf_of; chmod 000 "$conf"' \
  'chmod 644 "$conf"; loaded=12=0C0000'
row "a read-only file" "1 0" same "13=0D0000" 'cd_lines 13 13 0 0 | conf_of; chmod 444 "$conf"' 'chmod 644 "$conf"'
row "a read-only folder" "1 0" same "14=0E0000" 'cd_lines 14 14 0 0 | conf_of; chmod 555 "$conf_dir"' \
  'chmod 755 "$conf_dir"'
if [ "$(id -u)" -eq 0 ]; then
  row "a full disk" "1 0" same "03=030000" 'small_disk && cd_lines 03 3 0 0 | conf_of && fill' 'rm "$conf_dir/fill"'
  row "a disk that fills between two stores" "0 1" 15 "03=030000" \
    'small_disk && cd_lines 03 3 0 0 | conf_of; between=fill' 'rm "$conf_dir/fill"'
else
  echo "SKIP: the full-disk rows mount a tmpfs, which needs root"
fi
