#include "app/form1.h"
#include "editor/componentscrollbar.h"

#include <QAccessible>
#include <QDir>
#include <QStandardPaths>
#include <QTest>

// What a screen reader says of each part of the main window.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    static QString said(QWidget *w, QAccessible::Text what)
    {
        return QAccessible::queryAccessibleInterface(w)->text(what);
    }

private slots:
    void init()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tinvue")
            .removeRecursively();
    }

    void shouldNameEveryPartAndFollowTheStock()
    {
        Form1 w;
        const QList<std::tuple<const char *, QAccessible::Text, QString>> before{
            {"VScroll1", QAccessible::Name, "赤"},
            {"VScroll2", QAccessible::Name, "緑"},
            {"VScroll3", QAccessible::Name, "青"},
            {"Shape1", QAccessible::Name, "色見本"},
            {"Text1", QAccessible::Name, "HTML カラーコード"},
            {"Label8", QAccessible::Name, "ストック 05"},
            {"Command1", QAccessible::Name, "クリップボードへコピー"},
            {"Label8", QAccessible::Description, "空"}};
        for (const auto &[name, what, text] : before)
            QCOMPARE(said(w.control<QWidget>(name), what), text);

        for (int n = 1; n <= 3; ++n)
            w.findChild<ComponentScrollBar *>(QStringLiteral("VScroll%1").arg(n))->assign(10 * n);
        QCOMPARE(said(w.control<QWidget>("VScroll2"), QAccessible::Value), QStringLiteral("20"));
        QTest::mousePress(w.control<QWidget>("Label8"), Qt::RightButton);
        QCOMPARE(said(w.control<QWidget>("Label8"), QAccessible::Description),
                 QStringLiteral("#0A141E"));
        QCOMPARE(said(w.control<QWidget>("Label4"), QAccessible::Description),
                 QStringLiteral("空"));

        Form1 restarted;
        QCOMPARE(said(restarted.control<QWidget>("Label8"), QAccessible::Description),
                 QStringLiteral("#0A141E"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
