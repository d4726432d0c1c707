# SPDX-License-Identifier: MIT
"""Starts a program and reports, on one line, the seconds from its start until
its first top-level window is mapped, and its peak resident memory (kB) then.

Usage: mapwatch.py SETTLE_SECONDS PROGRAM [ARGS...]
The X server named by DISPLAY must run without a window manager, so that top-level
windows are mapped directly on the root window.
"""
import subprocess
import sys
import time

from Xlib import X, display


def peak_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return -1


def main():
    settle = float(sys.argv[1])
    command = sys.argv[2:]
    d = display.Display()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    start = time.perf_counter()
    proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while True:
            event = d.next_event()
            if event.type == X.MapNotify and not event.override:
                mapped = time.perf_counter() - start
                break
        # Let the first frame be painted before memory is read.
        time.sleep(settle)
        print(f"{mapped:.4f} {peak_kb(proc.pid)}")
    finally:
        proc.kill()
        proc.wait()


main()
