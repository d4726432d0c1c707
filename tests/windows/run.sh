#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build (scripts/windows) under Wine, in a Wine home and prefix of
# its own: the unit tests that apply to Windows, then, end to end in a private X
# display under openbox, what differs from Linux: the Japanese window, the
# clipboard, the stock in the registry, the topmost call, the system information
# tool found in the registry, the version record, and the installer, silent and
# not, and the silent uninstaller, with Tinvue running too.
#   tests/windows/run.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../e2e/session.sh
. "$root/tests/e2e/session.sh"
# shellcheck source=sandbox.sh
. "$root/tests/windows/sandbox.sh"

wine_sandbox "$work/home"
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
wineboot -i 2>/dev/null
# reg prints in the locale's code page; C keeps it ASCII.
reg() { LC_ALL=C wine reg "$@" 2>/dev/null | tr -d '\r'; }
# The Japanese face that Windows' dialogs ask for, as Noto on this machine.
reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'Noto Sans CJK JP' /f >/dev/null

echo "== unit tests"
check "the unit tests pass under Wine" ctest --test-dir "$root/build-windows" --output-on-failure

exe=$root/build-windows/tinvue.exe
# start_tinvue starts the Windows program given here under Wine.
tinvue=$work/tinvue-wine
use_program() { printf '#!/bin/sh\nexec wine "%s"\n' "$1" >"$tinvue" && chmod +x "$tinvue"; }
use_program "$exe"
# Wine's windows do not carry the process id of the program that made them.
main_window() { wid=$(xdotool search --all --onlyvisible --name '^Tinvue$' 2>/dev/null | head -1); [ -n "$wid" ]; }
stock=HKCU'\Software\VB and VBA Program Settings\Tinvue\Settings'
stored() { for c in R G B; do reg query "$stock" /v "ColorStock_$1$c" | awk '/REG_SZ/ {print $3}'; done | paste -sd' '; }

echo "== window"
for value in R:10 G:20 B:30; do reg add "$stock" /v "ColorStock_03${value%:*}" /d "${value#*:}" /f >/dev/null; done
start_tinvue || exit 1
equals "a stock kept in the registry shows at the start" 0A141E "$(pixel $(slot_xy 03))"
xdotool key Up ctrl+c sleep 0.5
equals "Up on the red bar, then Ctrl+C, puts the code on the X clipboard" "#010000" \
  "$(timeout 3 xclip -o -selection clipboard)"
press_slot 04 3
sleep 0.5
equals "a right press writes the three string values" "1 0 0" "$(stored 04)"
for step in F4:above F5:normal; do
  xdotool key "${step%:*}" sleep 0.5
  equals "${step%:*} leaves the window ${step#*:}" "${step#*:}" \
    "$(xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo above || echo normal)"
done

echo "== system information"
about() { about=$(xdotool search --all --onlyvisible --name '^ﾊﾞｰｼﾞｮﾝ情報$' 2>/dev/null | head -1); [ -n "$about" ]; }
xdotool key --delay 300 alt+h a
check "the About window's Japanese title reaches the window manager" until_ok about
msinfo='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
reg add "$msinfo" /v PATH /d 'C:\windows\system32\msinfo32.exe' /f >/dev/null
xdotool key alt+s
running() { pgrep -f "$1" >/dev/null; }
check "with PATH recorded, the button starts msinfo32.exe" until_ok running msinfo32.exe
pkill -f msinfo32.exe
reg delete "$msinfo" /f >/dev/null
xdotool windowactivate --sync "$about" key alt+s
message() { [ "$(xdotool search --all --onlyvisible --name '^Tinvue$' | grep -vxc "$wid")" = 1 ]; }
check "with neither value recorded, the message box opens" until_ok message
stop_tinvue

echo "== version record"
equals "the version record, field by field" "$(cat <<'END'
Versions 2.0.0.2000 2.0.0.2000
FileDescription HTML ｶﾗｰﾋﾞｭｰｱ　Tinvue for Win98/NT/2K
FileVersion 2.00.2000
InternalName tinvue
OriginalFilename tinvue.exe
ProductName Tinvue Ver2.02
ProductVersion 2.00.2000
Translation 0x0411 0x04b0
Subsystem window
Libraries Windows' own
END
)" "$(/usr/bin/python3 - "$exe" <<'END'
import re, sys, pefile
pe = pefile.PE(sys.argv[1])
fixed = pe.VS_FIXEDFILEINFO[0]
version = lambda ms, ls: '%d.%d.%d.%d' % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
print('Versions', version(fixed.FileVersionMS, fixed.FileVersionLS),
      version(fixed.ProductVersionMS, fixed.ProductVersionLS))
for info in pe.FileInfo[0]:
    for var in getattr(info, 'Var', []):
        print('Translation', var.entry[b'Translation'])
    for table in getattr(info, 'StringTable', []):
        for key in sorted(table.entries):
            print(key.decode(), table.entries[key].decode())
print('Subsystem', 'window' if pe.OPTIONAL_HEADER.Subsystem == 2 else 'console')
dlls = [entry.dll.decode() for entry in pe.DIRECTORY_ENTRY_IMPORT]
print('Libraries', "Windows' own" if not [d for d in dlls if re.match(r'(lib|qt)', d, re.I)] else dlls)
END
)"

echo "== installer"
setup=$(ls "$root"/dist/tinvue-*-windows-x64-setup.exe)
dir=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Tinvue
windir=$(winepath -w "$dir" 2>/dev/null)
link="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tinvue.lnk"
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tinvue'
# All that an install leaves: the files with their checksums, the link, the entry.
installed() { (cd "$dir" 2>/dev/null && md5sum -- *); ls "$link" 2>/dev/null; reg query "$entry" | grep -v '^$\|^reg: '; }
# The uninstaller in place, whose exit code is its own: without _?= it runs on
# from a copy of itself and returns at once.
uninstall() { wine "$dir/uninstall.exe" "$@" "_?=$windir"; }
# The texts of the message boxes in a trace of Wine's msgbox channel, one a line.
shown() { /usr/bin/python3 -c 'import re, sys
for text in re.findall(r"MSGBOX_OnInit L\"(.*)\"", open(sys.argv[1], errors="replace").read()):
    print(re.sub(r"\\([0-9a-f]{4})", lambda m: chr(int(m[1], 16)), text).replace("\\r\\n", " "))' "$1"; }
# ended PID: sets status to the exit code of that run, or to "running" when it
# has not ended within ten seconds, and then ends it.
ended() {
  status=running
  if until_ok eval "! kill -0 $1 2>/dev/null"; then wait "$1"; status=$?; else { kill -9 "$1"; wait "$1"; } 2>/dev/null; fi
}
# box TITLE: the message box of that title, found once it shows.
box() { box=$(xdotool search --all --onlyvisible --name "^$1\$" 2>/dev/null | head -1); [ -n "$box" ]; }
running="Tinvue が起動しています。  Tinvue を終了してから［再試行］を押してください。［キャンセル］を押すと、何も変えずに終わります。"

wine "$setup" /S
equals "a silent install ends with exit code 0" 0 $?
size=$(( ($(stat -c %s "$dir"/* | paste -sd+)) / 1024))
equals "it puts the program, the Start menu link and the uninstall entry in place, with the size and the maker's page" \
  "$(cat <<END
LICENSE.txt README.txt tinvue.exe uninstall.exe
$link
HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tinvue
    DisplayIcon    REG_SZ    $windir\tinvue.exe
    DisplayName    REG_SZ    Tinvue
    DisplayVersion    REG_SZ    2.0.0.2000
    EstimatedSize    REG_DWORD    $(printf '%#x' $size)
    InstallLocation    REG_SZ    $windir
    NoModify    REG_DWORD    0x1
    NoRepair    REG_DWORD    0x1
    Publisher    REG_SZ    Tinvue Project
    QuietUninstallString    REG_SZ    "$windir\uninstall.exe" /S
    UninstallString    REG_SZ    "$windir\uninstall.exe"
    URLInfoAbout    REG_SZ    https://tinvue.example.org/
END
)" "$(ls "$dir" | paste -sd' '; ls "$link"; reg query "$entry" | grep .)"
new=$(md5sum <"$dir/tinvue.exe")

# Any running Tinvue holds its mutex, this one from the build folder.
start_tinvue
wine "$setup" /S
equals "with a Tinvue running from another folder, a silent install ends with exit code 2" 2 $?
stop_tinvue

# The installed Tinvue runs; an older build of it, told apart by a byte more.
echo >>"$dir/tinvue.exe"
use_program "$dir/tinvue.exe"
start_tinvue
before=$(installed)
wine "$setup" /S
equals "with Tinvue running, a silent install ends with exit code 2" 2 $?
equals "and changes nothing" "$before" "$(installed)"
uninstall /S
equals "a silent uninstall ends with exit code 2" 2 $?
equals "and changes nothing" "$before" "$(installed)"

WINEDEBUG=+msgbox wine "$setup" 2>"$work/trace" &
pid=$!
check "the installer shows its message box" until_ok box 'Tinvue セットアップ'
xdotool windowactivate --sync "$box" key Return
again() { [ "$(grep -c MSGBOX_OnInit "$work/trace")" = 2 ] && box 'Tinvue セットアップ'; }
check "Retry while Tinvue runs shows it again" until_ok again
xdotool windowactivate --sync "$box" key Escape
ended $pid
equals "each asks to end Tinvue; Cancel ends it with exit code 2" "$running
$running 2" "$(shown "$work/trace") $status"
equals "and changes nothing" "$before" "$(installed)"

wine "$setup" &
pid=$!
until_ok box 'Tinvue セットアップ'
# The user ends Tinvue from its menu, then presses Retry, the folder page's
# Install and the last page's Close.
xdotool windowactivate --sync "$wid" key --delay 300 alt+f x
wait_exit
xdotool windowactivate --sync "$box" key Return
page() { box "Tinvue セットアップ:$1" && xdotool windowactivate --sync "$box" key Return; }
until_ok page 'インストール フォルダ'
until_ok page '完了'
ended $pid
equals "Retry once Tinvue has ended installs it, replacing the program; exit code 0" "$new 0" \
  "$(md5sum <"$dir/tinvue.exe") $status"

# A Tinvue that holds no mutex, as an older one: its program file is in use.
cp "$root/build-windows/barewindow.exe" "$dir/tinvue.exe"
wine "$dir/tinvue.exe" &
app_pid=$!
bare() { xdotool search --all --onlyvisible --name '^Bare$' >/dev/null 2>&1; }
until_ok bare
before=$(installed)
wine "$setup" /S
equals "with a Tinvue without the mutex running, a silent install ends with exit code 2" 2 $?
equals "and changes nothing" "$before" "$(installed)"
uninstall /S
equals "a silent uninstall ends with exit code 2" 2 $?
equals "and changes nothing" "$before" "$(installed)"
stop_tinvue

wine "$dir/uninstall.exe" /S
gone() { [ -z "$(installed)" ]; }
check "once Tinvue has ended, a silent uninstall removes every installed file and entry" until_ok gone
equals "and leaves the user's stock in the registry" "1 0 0" "$(stored 04)"

summary windows
