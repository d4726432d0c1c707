# Reads the running Tinvue through AT-SPI, as a screen reader does: prints every
# object of its two windows (role|name|description|value) and checks what it read.
#   atspi.py FILE   FILE: where the desktop's opener writes the address it was given
import os, subprocess, sys, time
from collections import Counter
import pyatspi
from gi.repository import GLib

def check(what, ok, got):
    print('PASS: ' + what if ok else 'FAIL: %s: got %s' % (what, got))

def wait(find):
    for _ in range(50):
        if found := find():
            return found
        time.sleep(0.1)

def row(o):
    o.clearCache()
    value = ''
    if o.getRoleName() == 'text':
        value = o.queryText().getText(0, -1)
    elif 'Value' in pyatspi.listInterfaces(o):
        v = o.queryValue()
        value = '%g (%g..%g)' % (v.currentValue, v.minimumValue, v.maximumValue)
    elif o.getState().contains(pyatspi.STATE_CHECKED):
        value = 'checked'
    return '|'.join((o.getRoleName(), o.name, o.description, value))

def read(heading, top, want):
    print('-- ' + heading)
    rows, named = [], {}
    def walk(o, depth):
        rows.append(row(o))
        named[o.name] = o
        print('  ' * depth + rows[-1])
        for child in o:
            walk(child, depth + 1)
    walk(top, 0)
    missing = Counter(want) - Counter(rows)
    check('what a screen reader reads of the ' + heading, not missing, ', '.join(missing))
    return named

def press(*keys):
    subprocess.run(['xdotool', 'key', '--delay', '300', *keys])

menus = 'ﾌｧｲﾙ(F),Tinvue の終了(X),表示(V),常に手前に表示(T),ON,編集(E),ｺﾋﾟｰ(C),ヘルプ(H),ﾊﾞｰｼﾞｮﾝ情報(A)'
app = wait(lambda: [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Tinvue'])[0]
main = read('main window', app[0], [
    'frame|Tinvue||', 'panel|RGB Color||', 'panel|HTML HEX Code||', 'panel|Color Sample||',
    'panel|Color Stock||', 'label|色見本||', 'text|HTML カラーコード||#000000',
    'push button|クリップボードへコピー|クリップボードへコピー|', 'menu item|OFF||checked']
    + ['menu item|%s||' % m for m in menus.split(',')] + ['label|0||'] * 3
    + ['scroll bar|%s||0 (0..255)' % c for c in '赤緑青']
    + ['label|ストック %02d|空|' % n for n in range(1, 17)] + ['separator|||'] * 2)

# Page Up on the red bar, which has the focus, while listening as a screen reader does.
heard = []
def hear(event):
    heard.append(row(event.source))
    pyatspi.Registry.stop()
pyatspi.Registry.registerEventListener(hear, 'object:property-change:accessible-value')
GLib.timeout_add(500, lambda: press('Prior'))
GLib.timeout_add(5000, pyatspi.Registry.stop)
pyatspi.Registry.start()
check('Page Up on the red bar is heard as its new value', heard[:1] == ['scroll bar|赤||10 (0..255)'], heard)

x, y, w, h = main['ストック 03'].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
subprocess.run(['xdotool', 'mousemove', str(x + w // 2), str(y + h // 2), 'click', '3'])
stored = wait(lambda: row(main['ストック 03']) == 'label|ストック 03|#0A0000|')
check('a stored slot is described by its code', stored, row(main['ストック 03']))
press('F4')
check('F4 moves the check mark to ON', wait(lambda: row(main['ON']) == 'menu item|ON||checked'), row(main['ON']))

press('alt+h', 'a')
dialog = wait(lambda: [w for w in app if w.getRoleName() == 'dialog'])
about = read('About window', dialog[0], [
    'dialog|ﾊﾞｰｼﾞｮﾝ情報||', 'label|Tinvue Ver 2.02||', 'label|(C) 2000-2026 Tinvue Project||',
    'label|E-Mail : tinvue@example.org||', 'link|URL:https://tinvue.example.org/|サポートＨＰへ接続|',
    'push button|ｼｽﾃﾑ情報(S)...||', 'push button|OK||', 'image|Tinvue のアイコン||']
    + ['separator|||'] * 2)
link = about['URL:https://tinvue.example.org/'].queryAction()
link.doAction([link.getName(i) for i in range(link.nActions)].index('Press'))
opened = wait(lambda: os.path.exists(sys.argv[1]) and open(sys.argv[1]).read())
check("the link's press action opens the page", opened == 'https://tinvue.example.org/\n', opened)
press('Escape')
