// SPDX-License-Identifier: MIT
#include "app/form1.h"
#include "widgets/accessiblefactory.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QThread>

#include <climits>
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

    // The code box of the window, holding #0B0A01 with the cursor at the given place.
    static QAccessibleTextInterface *codeBox(Form1 &w, int cursor)
    {
        auto *box = w.control<QLineEdit>("Text1");
        box->setText("#0B0A01");
        box->setCursorPosition(cursor);
        return QAccessible::queryAccessibleInterface(box)->textInterface();
    }

private slots:
    // Any offset that a client may send: one outside the text stands for its nearest
    // end, -2 for the cursor (here at the start) and -1 for the end. Orca asks for the
    // word at every character it speaks, and for the line and its attributes when the
    // box takes the focus.
    void shouldAnswerEveryQueryOnTheCodeBox_data()
    {
        QTest::addColumn<Boundary>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("answers"); // before, at, after
        const QString none = "'' -1..-1";
        const QStringList whole{none, "'#0B0A01' 0..7", none};
        const struct
        {
            const char *name;
            Boundary boundary;
            QStringList atStart, atEnd;
        } kinds[] = {
            {"character",
             QAccessible::CharBoundary,
             {none, "'#' 0..1", "'0' 1..2"},
             {"'1' 6..7", none, none}},
            // The "#" belongs to no word.
            {"word",
             QAccessible::WordBoundary,
             {none, "'#' 0..1", "'0B0A01' 1..7"},
             {"'#' 0..1", "'0B0A01' 1..7", none}},
            {"sentence", QAccessible::SentenceBoundary, whole, whole},
            {"paragraph", QAccessible::ParagraphBoundary, whole, whole},
            {"line", QAccessible::LineBoundary, whole, whole},
            {"no boundary", QAccessible::NoBoundary, whole, whole},
        };
        for (const auto &kind : kinds) {
            for (int offset : {INT_MIN, -2, 0})
                QTest::addRow("%s at %d", kind.name, offset)
                    << kind.boundary << offset << kind.atStart;
            for (int offset : {-1, 7, 8, INT_MAX})
                QTest::addRow("%s at %d", kind.name, offset)
                    << kind.boundary << offset << kind.atEnd;
        }
    }
    void shouldAnswerEveryQueryOnTheCodeBox()
    {
        QFETCH(Boundary, boundary);
        QFETCH(int, offset);
        Form1 w;
        QAccessibleTextInterface *text = codeBox(w, 0);
        QTEST(ask(text, boundary, offset), "answers");
        // One run of attributes holds the whole code, so that a reader builds it whole.
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        QCOMPARE(QString("%1..%2").arg(start).arg(end), "0..7");
    }

    // The other calls that take offsets, with the same offsets: here every one
    // outside the text, -2 and -1 too, stands for its nearest end.
    void shouldTakeAnyOffsetInTheOtherCalls_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("after"); // the call's answer|the selection|the cursor
        const struct
        {
            const char *call;
            QString atStart, atEnd;
        } calls[] = {
            {"text to the end", "#0B0A01||3", "||3"},
            {"character box", "a box||3", "none||3"},
            {"selection to 3", "|#0B|3", "|0A01|3"},
            {"cursor", "||0", "||7"},
            {"scroll", "||0", "||7"},
        };
        for (const auto &call : calls) {
            for (int offset : {INT_MIN, -2, -1})
                QTest::addRow("%s, %d", call.call, offset) << call.call << offset << call.atStart;
            for (int offset : {7, 8, INT_MAX})
                QTest::addRow("%s, %d", call.call, offset) << call.call << offset << call.atEnd;
        }
    }
    void shouldTakeAnyOffsetInTheOtherCalls()
    {
        QFETCH(QString, call);
        QFETCH(int, offset);
        Form1 w;
        QAccessibleTextInterface *text = codeBox(w, 3);
        QString answer;
        if (call == "text to the end")
            answer = text->text(offset, 7);
        else if (call == "character box")
            answer = text->characterRect(offset).isEmpty() ? "none" : "a box";
        else if (call == "selection to 3")
            text->setSelection(0, offset, 3);
        else if (call == "cursor")
            text->setCursorPosition(offset);
        else
            text->scrollToSubstring(offset, offset);
        const auto *box = w.control<QLineEdit>("Text1");
        QTEST(QString("%1|%2|%3").arg(answer, box->selectedText()).arg(box->cursorPosition()),
              "after");
    }

    // A line edit that hides its text is left to Qt, which tells a reader no more
    // than the box shows.
    void shouldLeaveHiddenTextToQt_data()
    {
        QTest::addColumn<QLineEdit::EchoMode>("mode");
        QTest::addColumn<QString>("value");
        QTest::newRow("no echo") << QLineEdit::NoEcho << "";
        QTest::newRow("password") << QLineEdit::Password << "**";
        QTest::newRow("password but while edited") << QLineEdit::PasswordEchoOnEdit << "**";
    }
    void shouldLeaveHiddenTextToQt()
    {
        QFETCH(QLineEdit::EchoMode, mode);
        AccessibleFactory::install();
        QLineEdit box;
        box.setEchoMode(mode);
        box.setText("秘密");
        QTEST(QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Value), "value");
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
