# SPDX-License-Identifier: MIT
# What a screen reader hears (tests/e2e/atspi.py): the program's accessibility
# bridge on an AT-SPI bus of a private session bus, with a stand-in opener.
printf '#!/bin/sh\necho "$1" >"%s"\n' "$work/a11y-opened" | install -D -m 755 /dev/stdin "$work/a11y-bin/xdg-open"
# The session lasts until its shell reads a line; the AT-SPI bus starts on demand.
coproc session { dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS"; read -r _' 2>"$work/dbus.log"; }
read -r bus <&"${session[0]}"
DBUS_SESSION_BUS_ADDRESS=$bus QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PATH=$work/a11y-bin:$PATH start_tinvue &&
  while IFS= read -r line; do
    case $line in PASS:*) pass "${line#PASS: }" ;; FAIL:*) fail "${line#FAIL: }" ;; *) echo "$line" ;; esac
  done < <(DBUS_SESSION_BUS_ADDRESS=$bus /usr/bin/python3 "$here/atspi.py" "$work/a11y-opened" 2>&1)
echo >&"${session[1]}"
