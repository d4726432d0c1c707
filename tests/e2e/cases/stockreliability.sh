# SPDX-License-Identifier: MIT
# The stock against the real settings file: one table of files that are fine,
# damaged or cannot be written. A right press paints the swatch whatever
# happens; a store that does not reach the disk is told in one message box a
# run; once the cause is gone the next store is kept. A file with lines that
# QSettings would not write back is first copied beside itself, which is told
# once. Two running copies that store at once take turns, and one killed in
# the middle of a store stops no later store (the last checks).
# (What a file loads is QSettings' reading and tst_colorstock's; here the
# program only has to start.)
conf_dir=$XDG_CONFIG_HOME/Tinvue
conf=$conf_dir/Tinvue.conf
# As root, file modes stop nothing; the program then runs without the
# capabilities that override them.
printf '#!/bin/sh\nexec %s "%s"\n' "$([ "$(id -u)" != 0 ] || echo setpriv --bounding-set=-dac_override,-dac_read_search)" \
  "$tinvue" >"$work/tinvue-user" && chmod +x "$work/tinvue-user"
real_tinvue=$tinvue tinvue=$work/tinvue-user
unmount() { for m in "$conf_dir" "$work/tmp"; do ! mountpoint -q "$m" || umount "$m"; done; }
trap 'unmount; cleanup' EXIT

wait_pixel() { for _ in $(seq 40); do [ "$(pixel "$1" "$2")" = "$3" ] && return; sleep 0.05; done; }
stored() { for c in R G B; do sed -n "s/^ColorStock_$1$c=//p" "$conf" 2>/dev/null; done | paste -sd' '; }
# press_told NN RRGGBB: a right press that turns slot NN to RRGGBB; prints how many
# message boxes it brought up (the press shows one before it returns), and closes them.
press_told() {
  press_slot "$1" 3
  wait_pixel $(slot_xy "$1") "$2" && sleep 0.2
  boxes=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Tinvue$' | grep -vx "$wid")
  grep -c . <<<"$boxes"
  for b in $boxes; do xdotool windowactivate --sync "$b" key Return && sleep 0.2; done
}

lines() { printf '[Settings]\n'; printf 'ColorStock_%sR=%s\nColorStock_%sG=0\nColorStock_%sB=0\n' "$1" "$2" "$1" "$1"; }
conf_of() { cat >"$conf" && cp "$conf" "$work/original"; }
state() { (cd "$conf_dir" 2>/dev/null && ls -la --time-style=+ . && { [ ! -f Tinvue.conf ] || cat Tinvue.conf; }) 2>&1 | md5sum; }
# The original's lines, less a byte order mark and CRs, that the file lacks.
missing() { sed 's/^\xEF\xBB\xBF//; s/\r$//' "$work/original" | grep -cvxF -f "$conf"; }
# row NAME TOLD KEPT SETUP FIX. SETUP damages a fresh folder; then slots 15 and
# 16 are stored, with BETWEEN (which SETUP may set) run between the two and AFTER
# after them.
# TOLD: message boxes at each store. KEPT: "same" when the folder must stay as
# it was, else the slots that reach the disk beside all the file's lines, or,
# after "copy", beside one copy that holds the original byte for byte. FIX
# takes the cause away; the next store is then told nothing and is read back at
# the start after. Without a FIX the row ends after the first run.
row() {
  local between=: after=: before link
  rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$conf_dir" && : >"$work/original"
  eval "$4"
  before=$(state) link=$(readlink "$conf")
  start_tinvue || { unmount; return; }
  xdotool key Up Tab Up Up Tab Up Up Up
  told=$(press_told 15 010203)
  eval "$between"
  equals "$1: message boxes" "$2" "$told $(press_told 16 010203)"
  eval "$after"
  stop_tinvue
  local copies=$(ls "$conf_dir"/Tinvue.conf.*.bak 2>/dev/null) whole=0
  [[ $3 != copy* ]] || whole=copy
  if [ "$3" = same ]; then
    equals "$1: left as it was" "$before" "$(state)"
  else
    equals "$1: stored, nothing lost" "$(for s in ${3#copy}; do echo "$s 1 2 3"; done) $whole" \
      "$(for s in 14 15 16; do [ -z "$(stored $s)" ] || echo "$s $(stored $s)"; done) $(
         if [ -n "$copies" ]; then [ "$(grep -c . <<<"$copies")" = 1 ] && cmp -s "$copies" "$work/original" && echo copy
         else missing; fi)"
  fi
  equals "$1: a link stays a link" "$link" "$(readlink "$conf")"
  [ -n "$5" ] || { unmount; return; }
  eval "$5"
  start_tinvue
  xdotool key Up Up Tab Up Up Tab Up Up
  equals "$1: without the cause, a store tells nothing" 0 "$(press_told 16 020202)"
  stop_tinvue
  start_tinvue && equals "$1: and is read back at the next start" 020202 "$(pixel $(slot_xy 16))"
  stop_tinvue
  unmount
}

# (Which lines a file may hold and keep, and a rewrite cut short in the temporary
# folder, are tst_settingsstockstore's; a file in the settings folder's place is
# tst_colorstock's.)
row "a comment" "1 0" "copy 15 16" "{ echo '; my colors'; lines 04 4; } | conf_of" :
row "an empty file" "0 0" "15 16" "conf_of </dev/null" :
row "a pipe in the file's place" "1 0" same 'mkfifo "$conf"' ''
row "a dangling symbolic link" "1 0" same 'ln -s gone.conf "$conf"' ': >"$conf_dir/gone.conf"'
row "a symbolic link to the file" "0 0" "15 16" 'mkdir "$XDG_CONFIG_HOME/real"
  lines 03 3 | tee "$XDG_CONFIG_HOME/real/t.conf" >"$work/original"; ln -s ../real/t.conf "$conf"' :
row "an unreadable file" "1 0" same 'lines 12 12 | conf_of; chmod 000 "$conf"' ''
row "a read-only file" "1 0" same 'lines 13 13 | conf_of; chmod 444 "$conf"' ''
row "a read-only folder" "1 0" same 'lines 14 14 | conf_of; chmod 555 "$conf_dir"' 'chmod 755 "$conf_dir"'
if [ "$(id -u)" -eq 0 ]; then
  # A 16 kB disk over the settings folder, and a file that fills it.
  small() { mount -t tmpfs -o size=16k tmpfs "$conf_dir" && lines 03 3 | conf_of; }
  fill() { dd if=/dev/zero of="$conf_dir/fill" bs=4k 2>/dev/null; }
  row "a full disk" "1 0" same 'small && fill' 'rm "$conf_dir/fill"'
  # Once there is room again, reading the stock (a left press) must not write the failed slot.
  row "a disk that fills between two stores" "0 1" 15 \
    'small; between=fill after="rm \"\$conf_dir/fill\"; press_slot 15 1; sleep 0.5"' :
  # A page for the lock and two for the new file beside the old one's: room for one
  # rewrite with the slot's three keys. The next store would need a page more; it
  # is refused and leaves the file whole.
  row "a disk with room for one rewrite" "0 1" 15 'mount -t tmpfs -o size=16k tmpfs "$conf_dir"
    printf "[Memo]\nnote=%04077d\n" 0 | conf_of' ''
  # The new file is first written in the temporary folder; that folder failing is no
  # reason to write the settings file without its comment.
  row "a temporary folder too small" "1 0" same 'mkdir -p "$work/tmp" && mount -t tmpfs -o size=4k tmpfs "$work/tmp"
    export TMPDIR=$work/tmp; { echo "; my colors"; lines 04 4; } | conf_of' ''
  unset TMPDIR
else
  echo "SKIP: the full-disk rows mount a tmpfs, which only root may"
fi

# Two running copies store into two slots at the same moment. A 1 MB file makes
# each store long enough for the two to meet; both slots must be kept.
rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$conf_dir"
awk 'BEGIN { print "[Memo]"; for (i = 0; i < 40000; i++) printf "Key%05d=some value text\n", i }' >"$conf"
copies=()
for x in 0 600; do
  start_tinvue && xdotool key Up Tab Up Up Tab Up Up Up windowmove --sync "$wid" "$x" 0
  copies+=("$wid $app_pid")
done
read -r wid1 pid1 <<<"${copies[0]}" && read -r wid2 pid2 <<<"${copies[1]}"
read -r x1 y1 <<<"$(slot_xy 15)" && read -r x2 y2 <<<"$(slot_xy 16)"
wid=$wid1 top=$(client_top)
xdotool mousemove --window "$wid1" "$x1" $((y1 + top)) click 3 mousemove --window "$wid2" "$x2" $((y2 + top)) click 3
until_ok eval '[ "$(stored 15) $(stored 16)" = "1 2 3 1 2 3" ]'
equals "two copies storing at once: both slots kept" "1 2 3 1 2 3" "$(stored 15) $(stored 16)"
kill -9 "$pid1" "$pid2" && wait "$pid1" "$pid2" 2>/dev/null
app_pid=

# Killed while it holds the lock in the middle of a store of a 10 MB file: the
# file stays whole, and the lock left behind does not stop the next store.
awk 'BEGIN { print "[Memo]"; for (i = 0; i < 400000; i++) printf "Key%06d=some value text\n", i }' | conf_of
start_tinvue && xdotool key Up Tab Up Up Tab Up Up Up && press_slot 15 3
for _ in $(seq 300); do [ ! -e "$conf.lock" ] || break; sleep 0.01; done
check "killed in a store: it held the lock" test -e "$conf.lock"
stop_tinvue
check "killed in a store: the file is whole" cmp -s "$conf" "$work/original"
start_tinvue && xdotool key Up Tab Up Up Tab Up Up Up && press_slot 16 3
until_ok eval '[ "$(stored 16)" = "1 2 3" ]'
equals "killed in a store: the next store goes through" "1 2 3 0" \
  "$(stored 16) $(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Tinvue$' | grep -cvx "$wid")"
tinvue=$real_tinvue
