// SPDX-License-Identifier: MIT
#include "about/frmabout.h"

#include "about/frmaboutlayout.h"
#include "widgets/colorpanel.h"
#include "widgets/iconset.h"
#include "widgets/twips.h"
#include "widgets/windowbuilder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QUrl>
#include <QtEndian>

#include <stdexcept>

namespace {
const char *const unavailable = "現時点ではｼｽﾃﾑ情報を使用できません";
const char *const urlPrefix = "URL:";
constexpr int bufferSize = 1024;

QString numberText(const QByteArray &data)
{
    // Little-endian, as the registry keeps a 32-bit number.
    QByteArray bytes = data.left(4);
    bytes.append(4 - bytes.size(), '\0');
    return QString::number(qFromLittleEndian<quint32>(bytes.constData()));
}
} // namespace

frmAbout::frmAbout(QWidget *parent, AboutPlatform platform)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_platform(std::move(platform))
{
    const WindowDesign &window = FrmAboutLayout::window();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(window.caption));
    setWindowIcon(IconSet::load(window.icon));
    setFixedSize(Twips::toPixels(window.clientWidth), Twips::toPixels(window.clientHeight));
    WindowBuilder::buildControls(this, FrmAboutLayout::controls());
    // Centred on the owner's client area, placing this client area (not the
    // frame): Qt's own placement guesses a frame that the window manager has not
    // drawn yet and lands off centre.
    if (parent)
        setGeometry(QRect(parent->window()->geometry().center() - rect().center(), size()));

    auto *ok = findChild<QPushButton *>(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), &QPushButton::clicked, this,
            &frmAbout::cmdSysInfo_Click);
    connect(findChild<ColorPanel *>(QStringLiteral("Label1")), &ColorPanel::Click, this,
            &frmAbout::Label1_Click);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // OK is also the cancel button: Esc clicks it, as Enter does as the default.
    if (event->matches(QKeySequence::Cancel)) {
        findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::Label1_Click()
{
    // The caption names the address after "URL:"; with the prefix no opener
    // understands it. A failure to open stays silent.
    const QString caption = findChild<ColorPanel *>(QStringLiteral("Label1"))->text();
    const QString prefix = QString::fromLatin1(urlPrefix);
    QDesktopServices::openUrl(
        QUrl(caption.startsWith(prefix) ? caption.mid(prefix.size()) : caption));
}

void frmAbout::StartSysInfo()
{
    try {
        QString path;
        bool found =
            GetKeyValue(Registry::LocalMachine, QString::fromLatin1(AboutPlatform::toolPathKey),
                        QString::fromLatin1(AboutPlatform::toolPathValue), path);
        if (!found &&
            GetKeyValue(Registry::LocalMachine, QString::fromLatin1(AboutPlatform::toolFolderKey),
                        QString::fromLatin1(AboutPlatform::toolFolderValue), path)) {
            path += QDir::separator() + QString::fromLatin1(AboutPlatform::toolFile);
            found = QFileInfo(path).isFile();
        }
        // A recorded path is started without checking it first; a start that
        // fails is answered like every other failure.
        if (found && m_platform.startProgram(path))
            return;
    } catch (const std::exception &) {
        // Empty data in a look-up ends in the same message.
    }
    m_platform.showMessage(this, QString::fromUtf8(unavailable),
                           QCoreApplication::applicationName());
}

bool frmAbout::GetKeyValue(Registry::Key KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    Registry &registry = *m_platform.registry;
    Registry::Key key = 0;
    if (registry.RegOpenKeyEx(KeyRoot, KeyName, 0, Registry::KeyAccess, &key) !=
        Registry::Success) {
        KeyVal.clear();
        return false;
    }
    QByteArray buffer(bufferSize, '\0');
    quint32 type = Registry::NoType;
    quint32 size = bufferSize;
    if (registry.RegQueryValueEx(key, SubKeyRef, &type, buffer.data(), &size) !=
        Registry::Success) {
        KeyVal.clear();
        registry.RegCloseKey(key);
        return false;
    }
    if (size == 0) {
        registry.RegCloseKey(key);
        throw std::invalid_argument("the value holds no data");
    }
    QByteArray data = buffer.left(int(size));
    if (data.endsWith('\0'))
        data.chop(1);
    switch (type) {
    case Registry::String:
        // Strings are kept in the system's 8-bit encoding.
        KeyVal = QString::fromLocal8Bit(data);
        break;
    case Registry::Dword:
        KeyVal = numberText(data);
        break;
    default:
        break;
    }
    registry.RegCloseKey(key);
    return true;
}
