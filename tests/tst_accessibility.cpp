// SPDX-License-Identifier: MIT
#include "app/form1.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QThread>

#include <memory>

using Boundary = QAccessible::TextBoundaryType;

// What a screen reader reads of the main window, beyond what each control shows.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    // The pieces before, at and after an offset, each as "'text' start..end", asked
    // on a thread of their own: a query that never returns fails the test after two
    // seconds instead of hanging it, and its thread spins on until the test ends.
    static QStringList ask(QAccessibleTextInterface *text, Boundary boundary, int offset)
    {
        using Query = QString (QAccessibleTextInterface::*)(int, Boundary, int *, int *) const;
        auto answers = std::make_shared<QStringList>();
        QThread *thread = QThread::create([=] {
            for (Query query : {&QAccessibleTextInterface::textBeforeOffset,
                                &QAccessibleTextInterface::textAtOffset,
                                &QAccessibleTextInterface::textAfterOffset}) {
                int start = 0, end = 0;
                const QString piece = (text->*query)(offset, boundary, &start, &end);
                *answers << QStringLiteral("'%1' %2..%3").arg(piece).arg(start).arg(end);
            }
        });
        thread->start();
        if (!thread->wait(QDeadlineTimer(2000)))
            return {QStringLiteral("no answer")};
        delete thread;
        return *answers;
    }

private slots:
    // Orca asks for the word at every character it speaks, and for the line and its
    // attributes when the box takes the focus.
    void shouldAnswerEveryQueryOnTheCodeBox_data()
    {
        QTest::addColumn<Boundary>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("answers"); // before, at, after
        const QString none = "'' -1..-1";
        const QString code = "'#0B0A01' 0..7";
        QTest::newRow("character at the start")
            << QAccessible::CharBoundary << 0 << QStringList{none, "'#' 0..1", "'0' 1..2"};
        QTest::newRow("character at the end")
            << QAccessible::CharBoundary << 7 << QStringList{"'1' 6..7", none, none};
        QTest::newRow("word at the #, in no word")
            << QAccessible::WordBoundary << 0 << QStringList{none, "'#' 0..1", "'0B0A01' 1..7"};
        QTest::newRow("word at the end")
            << QAccessible::WordBoundary << 7 << QStringList{"'#' 0..1", "'0B0A01' 1..7", none};
        QTest::newRow("sentence at the end")
            << QAccessible::SentenceBoundary << 7 << QStringList{none, code, none};
        QTest::newRow("line, the whole text")
            << QAccessible::LineBoundary << 7 << QStringList{none, code, none};
    }
    void shouldAnswerEveryQueryOnTheCodeBox()
    {
        QFETCH(Boundary, boundary);
        QFETCH(int, offset);
        Form1 w;
        auto *box = w.control<QLineEdit>("Text1");
        box->setText("#0B0A01");
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(box)->textInterface();
        QTEST(ask(text, boundary, offset), "answers");
        // One run of attributes holds the whole code, so that a reader builds it whole.
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        QCOMPARE(QString("%1..%2").arg(start).arg(end), "0..7");
    }

    void shouldListAFramesControlsInReadingOrder_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("names");
        QStringList stock;
        for (int slot = 1; slot <= 16; ++slot)
            stock << QString("ストック %1 空").arg(slot, 2, 10, QLatin1Char('0'));
        QTest::newRow("the values above their bars")
            << "Frame1" << QStringList{"赤 0", "緑 0", "青 0", "赤", "緑", "青"};
        QTest::newRow("the box and the taller button beside it")
            << "Frame2" << QStringList{"HTML カラーコード", "クリップボードへコピー"};
        QTest::newRow("the stock from slot 01, made from 16") << "Frame4" << stock;
    }
    void shouldListAFramesControlsInReadingOrder()
    {
        QFETCH(QString, frame);
        Form1 w;
        QAccessibleInterface *group =
            QAccessible::queryAccessibleInterface(w.control<QWidget>(qPrintable(frame)));
        QStringList names;
        for (int i = 0; i < group->childCount(); ++i) {
            names << group->child(i)->text(QAccessible::Name);
            QCOMPARE(group->indexOfChild(group->child(i)), i);
        }
        QTEST(names, "names");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
