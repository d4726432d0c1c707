#!/usr/bin/env bash
# Checks the installed package as Debian and a software centre see it: lintian on
# the .deb, the desktop entry and AppStream metainfo by their validators, and the
# entry's icon in the hicolor theme.
#   metadata.sh DIST_DIR
set -euo pipefail

files=$(dpkg -L tinvue)
desktop=$(grep '^/usr/share/applications/.*\.desktop$' <<<"$files")
lintian -I --fail-on error,warning "${1:?usage: metadata.sh DIST_DIR}"/tinvue_*.deb
appstreamcli validate --pedantic --no-net "$(grep '^/usr/share/metainfo/.*\.xml$' <<<"$files")"
# desktop-file-validate exits 0 on mere warnings; take any remark as a failure.
remarks=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$remarks" ] || { echo "$remarks"; exit 1; }
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls /usr/share/icons/hicolor/*/apps/"$icon".png || { echo "no $icon in the hicolor theme"; exit 1; }
echo "metadata: valid"
