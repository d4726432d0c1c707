# SPDX-License-Identifier: MIT
# Reads the running Tinvue through AT-SPI, as a screen reader does: prints every
# object of its two windows (role|name|description|value) and checks what it read.
#   atspi.py FILE   FILE: where the desktop's opener writes the address it was given
import os, subprocess, sys, time
import pyatspi
from gi.repository import GLib

sys.excepthook = lambda kind, error, trace: print('FAIL: the reading stopped: %r' % error)

def check(what, ok, got):
    print('PASS: ' + what if ok else 'FAIL: %s: got %s' % (what, got))

def wait(find):  # find's first true answer, within five seconds
    for _ in range(50):
        if found := find():
            return found
        time.sleep(0.1)

def row(o):
    o.clearCache()  # names and descriptions change while the program runs
    v = 'Value' in pyatspi.listInterfaces(o) and o.queryValue()
    value = ('%g (%g..%g)' % (v.currentValue, v.minimumValue, v.maximumValue) if v
             else o.queryText().getText(0, -1) if o.getRoleName() == 'text'
             else 'checked' * o.getState().contains(pyatspi.STATE_CHECKED))
    return '|'.join((o.getRoleName(), o.name, o.description, value))

def read(window, top, want):  # want: rows that must all be there, duplicates included
    objects = [top] + pyatspi.findAllDescendants(top, lambda o: True)
    rows = [row(o) for o in objects]
    print('\n'.join(['-- ' + window] + rows))
    missing = [r for r in set(want) for _ in range(want.count(r) - rows.count(r))]
    check('what a screen reader reads of the ' + window, not missing, ', '.join(missing))
    return {o.name: o for o in objects}

app = wait(lambda: [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Tinvue'])[0]
read('main window', app[0], [
    'frame|Tinvue||', 'label|色見本||', 'text|HTML カラーコード||#000000', 'menu item|OFF||checked',
    'push button|クリップボードへコピー|クリップボードへコピー|'] + ['separator|||'] * 2
    + ['label|%s 0||' % c for c in '赤緑青']
    + ['panel|%s||' % f for f in ('RGB Color', 'HTML HEX Code', 'Color Sample', 'Color Stock')]
    + ['scroll bar|%s||0 (0..255)' % c for c in '赤緑青'] + ['label|ストック %02d 空||' % n for n in range(1, 17)])

# Page Up on the red bar, which has the focus, as a listener hears it.
heard = []
pyatspi.Registry.registerEventListener(lambda e: heard.append(row(e.source)) or pyatspi.Registry.stop(),
                                       'object:property-change:accessible-value')
GLib.timeout_add(500, lambda: subprocess.run(['xdotool', 'key', 'Prior']) and False)
GLib.timeout_add(5000, pyatspi.Registry.stop)
pyatspi.Registry.start()
check('Page Up on the red bar is heard as its new value', heard[:1] == ['scroll bar|赤||10 (0..255)'], heard)

subprocess.run(['xdotool', 'key', '--delay', '300', 'alt+h', 'a'])
about = read('About window', wait(lambda: [w for w in app if w.getRoleName() == 'dialog'])[0], [
    'dialog|ﾊﾞｰｼﾞｮﾝ情報||', 'label|Tinvue Ver 2.02||', 'label|(C) 2000-2026 Tinvue Project||',
    'label|E-Mail : tinvue@example.org||', 'link|URL:https://tinvue.example.org/|サポートＨＰへ接続|',
    'push button|ｼｽﾃﾑ情報(S)...||', 'push button|OK||', 'image|Tinvue のアイコン||'] + ['separator|||'] * 2)
about['URL:https://tinvue.example.org/'].queryAction().doAction(0)
opened = wait(lambda: os.path.exists(sys.argv[1]) and open(sys.argv[1]).read())
check("a screen reader's action on the link opens the page", opened == 'https://tinvue.example.org/\n', opened)
