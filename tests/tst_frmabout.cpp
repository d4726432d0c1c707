#include "about/frmabout.h"
#include "app/form1.h"
#include "fakeaboutplatform.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

// Catches what the window asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

// The About window as the user meets it: its layout, captions, keys and link.
class FrmAboutTest : public QObject
{
    Q_OBJECT

    UrlCatcher m_catcher;

    template <typename T> static T *control(QWidget &w, const char *name)
    {
        return w.findChild<T *>(QLatin1String(name));
    }

    // Runs the window modally, pressing the key once it is up; true if exec() returned.
    static bool closesOn(frmAbout &about, Qt::Key key)
    {
        bool pressed = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, key);
                pressed = true;
            }
        });
        // Should the key not close it, close it here so the test goes on.
        QTimer::singleShot(2000, &about, &QDialog::reject);
        return about.exec() == QDialog::Accepted && pressed;
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("https", &m_catcher, "openUrl");
        QDesktopServices::setUrlHandler("url", &m_catcher, "openUrl");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("url");
    }
    void cleanup() { m_catcher.urls.clear(); }

    void shouldPlaceControlsAsDesigned_data()
    {
        // Pixels at 96 dpi, worked out by hand from the designed twips.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("cmdOK") << "cmdOK" << QRect(200, 144, 92, 23);
        QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(88, 144, 92, 23);
        QTest::newRow("picIcon") << "picIcon" << QRect(104, 12, 32, 32);
        QTest::newRow("grey line") << "Line1(1)" << QRect(6, 135, 366, 1);
        QTest::newRow("white line") << "Line1(0)" << QRect(7, 135, 365, 2);
    }
    void shouldPlaceControlsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        auto *w = about.findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
        QCOMPARE(w->parentWidget(), &about);
    }

    void shouldSizeEachLabelToItsTextFromItsCorner_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<bool>("underline");
        QTest::newRow("Label1") << "Label1" << QPoint(52, 108) << "URL:https://tinvue.example.org/"
                                << 11.25 << true;
        QTest::newRow("Label2") << "Label2" << QPoint(148, 20) << "Tinvue Ver 2.02" << 14.25
                                << false;
        QTest::newRow("Label3") << "Label3" << QPoint(72, 56) << "(C) 2000-2026 Tinvue Project"
                                << 12.0 << false;
        QTest::newRow("Label4") << "Label4" << QPoint(52, 88) << "E-Mail : tinvue@example.org"
                                << 11.25 << false;
    }
    void shouldSizeEachLabelToItsTextFromItsCorner()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, corner);
        QFETCH(QString, caption);
        QFETCH(qreal, pointSize);
        QFETCH(bool, underline);
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        auto *label = about.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->pos(), corner);
        QCOMPARE(label->font().families().value(0), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(label->font().pointSizeF(), pointSize);
        QCOMPARE(label->font().underline(), underline);
        // The whole text shows on one line, above the separator and inside the window.
        const QFontMetrics metrics(label->font());
        QVERIFY(label->width() >= metrics.horizontalAdvance(caption));
        QVERIFY(label->height() >= metrics.height());
        QVERIFY(label->height() < 2 * metrics.lineSpacing());
        QVERIFY(QRect(0, 0, 379, 135).contains(label->geometry()));
    }

    void shouldShowItsCaptionsAndLook()
    {
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        QCOMPARE(about.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(control<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(control<QPushButton>(about, "cmdSysInfo")->text(),
                 QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
        auto *link = control<QLabel>(about, "Label1");
        QCOMPARE(link->toolTip(), QStringLiteral("サポートＨＰへ接続"));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(control<QLabel>(about, "Label4")->palette().color(QPalette::WindowText),
                 about.palette().color(QPalette::WindowText));
        QVERIFY(!control<QLabel>(about, "picIcon")->pixmap().isNull());
    }

    void shouldDrawAnEtchedSeparatorAndABlueLink()
    {
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage image = about.grab().toImage();
        QCOMPARE(image.pixelColor(6, 135), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(371, 135), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(7, 136), QColor(255, 255, 255));
        QCOMPARE(image.pixelColor(371, 136), QColor(255, 255, 255));
        QVERIFY(image.pixelColor(6, 136) != QColor(255, 255, 255));
        int blue = 0;
        const QRect link = control<QLabel>(about, "Label1")->geometry();
        for (int y = link.top(); y <= link.bottom(); ++y) {
            for (int x = link.left(); x <= link.right(); ++x)
                blue += image.pixelColor(x, y) == QColor(0, 0, 255);
        }
        // At least the underline beneath the whole caption.
        QVERIFY2(blue > link.width() / 2, qPrintable(QString::number(blue)));
    }

    void shouldBeAFixedDialogWithItsOwnIcon()
    {
        Form1 main;
        frmAbout about(&main, FakeAboutPlatform().platform());
        QCOMPARE(about.size(), QSize(379, 172));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(about.isWindow());
        QCOMPARE(about.parentWidget(), &main);
        QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QImage own = about.windowIcon().pixmap(32, 32).toImage();
        QVERIFY(!own.isNull());
        QVERIFY(own != main.windowIcon().pixmap(32, 32).toImage());
    }

    void shouldStartWithTheFocusOnOkAndTabThroughButtonsAndLink()
    {
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QVERIFY(control<QPushButton>(about, "cmdOK")->isDefault());
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"cmdSysInfo", "Label1", "cmdOK", "cmdSysInfo"}));
    }

    void shouldCloseOnTheKeys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
        QTest::newRow("Esc") << Qt::Key_Escape;
    }
    void shouldCloseOnTheKeys()
    {
        QFETCH(Qt::Key, key);
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        QSignalSpy clicked(control<QPushButton>(about, "cmdOK"), &QPushButton::clicked);
        QVERIFY(closesOn(about, key));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!about.isVisible());
    }

    void shouldStartTheToolLookUpOnAltS()
    {
        FakeAboutPlatform fake;
        frmAbout about(nullptr, fake.platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, 's', Qt::AltModifier);
        // A mnemonic clicks its button a moment later, as if pressed.
        QTRY_COMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.registry->requestedKeys().size(), 2);
        QVERIFY(about.isVisible());
    }

    void shouldOpenTheAddressAfterThePrefix_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("click") << false;
        QTest::newRow("Space on the focused link") << true;
    }
    void shouldOpenTheAddressAfterThePrefix()
    {
        QFETCH(bool, byKeyboard);
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        auto *link = control<QLabel>(about, "Label1");
        if (byKeyboard) {
            link->setFocus();
            QTest::keyClick(link, Qt::Key_Space);
        } else {
            QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(20, link->height() / 2));
        }
        QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl("https://tinvue.example.org/")});
        QVERIFY(about.isVisible());
    }

    void shouldNotOpenOnARightClickOrAReleaseElsewhere()
    {
        frmAbout about(nullptr, FakeAboutPlatform().platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *link = control<QLabel>(about, "Label1");
        QTest::mouseClick(link, Qt::RightButton, Qt::NoModifier, QPoint(20, 5));
        QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
        QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(20, link->height() + 30));
        QCOMPARE(m_catcher.urls, QList<QUrl>());
    }

    void shouldShowAFreshModalWindowOverTheMainWindow()
    {
        Form1 main;
        main.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (int i = 0; i < 2; ++i) {
            // Kept on top first: the About item releases that before the window shows.
            main.control<QAction>("menu_v_00_00")->trigger();
            QPointer<QWidget> modal;
            QString name;
            QWidget *parent = nullptr;
            QPoint offCentre;
            bool released = false;
            QTimer::singleShot(0, [&] {
                modal = QApplication::activeModalWidget();
                if (!modal)
                    return;
                name = modal->objectName();
                parent = modal->parentWidget();
                released = !(main.windowHandle()->flags() & Qt::WindowStaysOnTopHint) &&
                           main.control<QAction>("menu_v_00_01")->isChecked();
                offCentre = modal->geometry().center() - main.geometry().center();
                control<QPushButton>(*modal, "cmdOK")->click();
            });
            main.control<QAction>("menu_h_00")->trigger();
            QCOMPARE(name, QStringLiteral("frmAbout"));
            QCOMPARE(parent, &main);
            QVERIFY(released);
            QVERIFY2(offCentre.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
            // Closed and destroyed by the time the command returns.
            QVERIFY(modal.isNull());
        }
    }
};

QTEST_MAIN(FrmAboutTest)
#include "tst_frmabout.moc"
