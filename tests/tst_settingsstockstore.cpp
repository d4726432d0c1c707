// SPDX-License-Identifier: MIT
#include "stock/settingsplan.h"
#include "stock/settingsstockstore.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
// Slot 05 takes 10, 20, 30; QSettings writes a group's keys in alphabetical order.
const StockStore::Texts slot5{
    {"ColorStock_05R", "10"}, {"ColorStock_05G", "20"}, {"ColorStock_05B", "30"}};
const QByteArray slot5Lines = "ColorStock_05B=30\nColorStock_05G=20\nColorStock_05R=10\n";
// Long enough for QSettings' lock file to be written whole under a limit on a
// file's size a little above its own.
const QByteArray memo = "[Memo]\nnote=" + QByteArray(1000, 'a') + '\n';

// What QSettings reads of a file: each key's text, or its texts for a list.
QMap<QString, QStringList> reading(const QString &fileName)
{
    const QSettings settings(fileName, QSettings::IniFormat);
    QMap<QString, QStringList> found;
    for (const QString &key : settings.allKeys())
        found.insert(key, settings.value(key).toStringList());
    return found;
}

QByteArray contents(const QString &fileName)
{
    return SettingsPlan::readWhole(fileName).value_or(QByteArray());
}

bool put(const QString &fileName, const QByteArray &bytes)
{
    QFile f(fileName);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

// The settings file's rewrite against hostile files, and the store's promises
// over thousands of generated ones.
class SettingsStockStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Each trial and store waits for its flushes to the disk; in memory they
        // cost nothing, and thousands of stores take seconds.
        if (QFileInfo("/dev/shm").isWritable())
            qputenv("TMPDIR", "/dev/shm");
    }

    void shouldRewriteWithTheSlotAndTellWhetherACopyIsNeeded_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::addColumn<bool>("needsCopy");
        const QByteArray settings = "[Settings]\n" + slot5Lines;
        QTest::newRow("no file") << QByteArray() << settings << false;
        QTest::newRow("a byte order mark and CRLF")
            << QByteArray("\xEF\xBB\xBF[Settings]\r\nColorStock_01R=1\r\n")
            << "[Settings]\nColorStock_01R=1\n" + slot5Lines << false;
        QTest::newRow("a group in two pieces")
            << QByteArray(
                   "[Settings]\nColorStock_01R=1\n[Memo]\nx=1\n[Settings]\nColorStock_01G=2\n")
            << "[Memo]\nx=1\n\n[Settings]\nColorStock_01G=2\nColorStock_01R=1\n" + slot5Lines
            << false;
        QTest::newRow("a comment") << QByteArray("; mine\n[Settings]\n") << settings << true;
        QTest::newRow("a stray line") << QByteArray("[Settings]\nstray\n") << settings << true;
        QTest::newRow("the slot's keys twice in another group")
            << QByteArray("[Memo]\nColorStock_05R=1\nColorStock_05R=2\n")
            << "[Memo]\nColorStock_05R=2\n\n" + settings << true;
        // Its second line looks like the slot's own but is part of the value.
        QTest::newRow("a quoted value over two lines")
            << QByteArray("[Settings]\nx=\"a\nColorStock_05R=1\"\n")
            << "[Settings]\n" + slot5Lines + "x=\"a\\nColorStock_05R=1\"\n"
            << true;
        QTest::newRow("Shift-JIS") << QByteArray("[Memo]\nname=\x90\xD4\n")
                                   << "[Memo]\nname=\xEF\xBF\xBD\n\n" + settings << true;
        QTest::newRow("NUL bytes") << QByteArray("[Memo]\nname=a\0b\n", 16)
                                   << "[Memo]\nname=@String(a\\0\\x62)\n\n" + settings << true;
        QByteArray large = "[Memo]\n";
        for (int n = 0; large.size() < 10 << 20; ++n) // in QSettings' order
            large += "Key" + QByteArray::number(n).rightJustified(5, '0') + '=' +
                     QByteArray(1000, 'v') + '\n';
        QTest::newRow("10 MB") << large << large + '\n' + settings << false;
    }
    void shouldRewriteWithTheSlotAndTellWhetherACopyIsNeeded()
    {
        QFETCH(QByteArray, original);
        const SettingsPlan plan(original, slot5);
        QVERIFY(plan.isReady());
        QTEST(plan.rewritten(), "rewritten");
        QTEST(plan.needsCopy(), "needsCopy");
    }

    // A rewrite that the temporary folder did not take whole is no plan. A limit
    // on a file's size cuts QSettings' writing short before the slot's keys, and
    // Qt still puts the cut file in place.
    void shouldRefuseATrialThatDidNotComeOutWhole()
    {
        rlimit unlimited{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        const rlimit limit{rlim_t(memo.size() + 20), unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        const SettingsPlan plan(memo, slot5);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!plan.isReady());
    }

    // Files made of the lines a person, an older Tinvue or another program may
    // leave, each stored into once: every line of the original is in the new
    // file or in its one copy, the slot's three keys read back, and QSettings
    // reads every other key as before.
    void shouldKeepEveryLineAndEveryOtherKey()
    {
        constexpr quint32 seed = 20250525;
        constexpr int files = 2000;
        QRandomGenerator random(seed);
        QTemporaryDir root;
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        int checked = 0;
        QStringList failures;
        for (int n = 0; n < files; ++n) {
            const QString home = root.filePath(QString::number(n));
            const QString file = home + "/Tinvue/Tinvue.conf";
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
            const QByteArray slot = "ColorStock_" + QByteArray::number(random.bounded(10, 17));
            QByteArrayList lines;
            QList<bool> own;
            generate(random, slot, lines, own);
            const QByteArray eol = random.bounded(4) == 0 ? "\r\n" : "\n";
            const QByteArray original = (random.bounded(8) == 0 ? "\xEF\xBB\xBF" : "") +
                                        lines.join(eol) + (random.bounded(5) == 0 ? "" : eol);
            QVERIFY(QDir().mkpath(home + "/Tinvue") && put(file, original) &&
                    put(home + "/original.conf", original));
            StockStore::Texts texts;
            for (const char c : {'R', 'G', 'B'})
                texts.insert(slot + c, QString::number(random.bounded(256)));
            const StockStore::Saved saved = SettingsStockStore().save(texts);

            QStringList wrong;
            if (!saved.onDisk)
                wrong << "not stored: " + saved.message;
            const QStringList copies = QDir(home + "/Tinvue").entryList({"Tinvue.conf.*.bak"});
            if (copies.size() > 1 ||
                (copies.size() == 1 && contents(home + "/Tinvue/" + copies[0]) != original))
                wrong << "copies: " + copies.join(' ');
            QHash<QByteArray, int> left;
            for (const QByteArray &line : contents(file).replace('\r', "").split('\n'))
                ++left[line];
            for (int i = 0; i < lines.size(); ++i) {
                if (lines[i].trimmed().isEmpty() || own[i])
                    continue;
                ++checked;
                // A group's heading need stand there once.
                if (!(lines[i].startsWith('[') ? left.contains(lines[i]) : --left[lines[i]] >= 0) &&
                    copies.isEmpty())
                    wrong << "lost without a copy: " + lines[i];
            }
            QMap<QString, QStringList> before = reading(home + "/original.conf");
            QMap<QString, QStringList> after = reading(file);
            for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
                if (after.take("Settings/" + it.key()) != QStringList{it.value()})
                    wrong << "not read back: " + it.key();
                before.remove("Settings/" + it.key());
            }
            if (after != before)
                wrong << "other keys changed";
            if (!wrong.isEmpty())
                failures << original.toPercentEncoding(" =[];\"\\") + '\n' + wrong.join('\n');
        }
        qputenv("XDG_CONFIG_HOME", config);
        qInfo("seed %u: %d files generated, %d stores made, %d lines checked, %lld failures", seed,
              files, files, checked, qint64(failures.size()));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 3).join("\n\n")));
    }

private:
    // A file's lines, and for each whether it is one of the slot's own keys under
    // [Settings], which a store may replace. "@" stands for the slot's key of a
    // component, "$" for a value.
    static void generate(QRandomGenerator &random, const QByteArray &slot, QByteArrayList &lines,
                         QList<bool> &own)
    {
        static const QByteArrayList values{
            "0",          "255",        "300",   "-1",           "",         "abc",
            "a, b",       "\"q, r\"",   "x\\ty", "\xE8\xB5\xA4", "\x90\xD4", QByteArray("n\0l", 3),
            "@Invalid()", "  padded  ", "a;b",   "@String(s)"};
        static const QByteArrayList blocks{
            "[Settings]", "[Settings]", "[Memo]", "[General]", "[ Settings ]", "[\xE8\xB5\xA4]",
            "@=$", "@=$", "@=$", "ColorStock_05G=$", "key1=$", "key2=$", "key1 = $", "; a comment",
            "  ; indented", "stray", "# no comment", "", "  ", "per%41cent=1",
            // Lines that look like the slot's own, inside another key's value.
            "quoted=\"first\n@=7\nend\"", "continued=a\\\n@=8"};
        const auto pick = [&random](const QByteArrayList &list) {
            return list[random.bounded(int(list.size()))];
        };
        bool inSettings = false;
        for (int count = random.bounded(26); lines.size() < count;) {
            const QByteArray block = pick(blocks);
            const QByteArray key = slot + "RGB"[random.bounded(3)];
            const QByteArrayList added =
                QByteArray(block).replace('@', key).replace('$', pick(values)).split('\n');
            if (block.startsWith('['))
                inSettings = block == "[Settings]";
            lines << added;
            own << QList<bool>(added.size(),
                               added.size() == 1 && inSettings && block.startsWith('@'));
        }
    }
};

QTEST_GUILESS_MAIN(SettingsStockStoreTest)
#include "tst_settingsstockstore.moc"
