#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End-to-end tests of the installed package, run by autopkgtest (debian/tests):
# its desktop entry, metainfo and icon as the desktop reads them, then
# /usr/bin/tinvue, started as its desktop entry says, in a real X server (Xvfb)
# under a real window manager (openbox), driven as a user would with xdotool,
# xprop, xwininfo, xclip and ImageMagick's import.
#   run.sh [CASE...]   CASE names a file in cases/ without .sh
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=session.sh
. "$here/session.sh"

package_files=$(dpkg -L tinvue 2>/dev/null) || { echo "FAIL: the tinvue package is not installed"; exit 1; }
desktop=$(grep '^/usr/share/applications/.*\.desktop$' <<<"$package_files")
# desktop-file-validate exits 0 on mere warnings; any remark is a failure.
equals "the desktop entry validates" "" "$(desktop-file-validate "$desktop" 2>&1)"
check "the metainfo validates" appstreamcli validate --pedantic --no-net \
  "$(grep '^/usr/share/metainfo/.*\.xml$' <<<"$package_files")"
check "the entry's icon is in the hicolor theme" \
  ls "/usr/share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$desktop").png"
# The program as the menu starts it: the entry's Exec, found on PATH.
tinvue=$(command -v "$(sed -n 's/^Exec=//p' "$desktop")")
equals "the desktop entry starts the installed program" /usr/bin/tinvue "$tinvue"

export XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

cases=("$@")
[ $# -gt 0 ] || cases=($(cd "$here/cases" && ls *.sh | sed 's/\.sh$//'))
for c in "${cases[@]}"; do
  echo "== $c"
  rm -rf "$XDG_CONFIG_HOME" # each case starts without a settings file
  # shellcheck source=/dev/null
  . "$here/cases/$c.sh"
  stop_tinvue
done

summary e2e
