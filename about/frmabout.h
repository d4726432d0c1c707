// SPDX-License-Identifier: MIT
#pragma once

#include "about/aboutplatform.h"

#include <QDialog>

// The About window: version line, the maker's rights notice, e-mail and web
// address, a button that starts the system information tool and OK. Each showing
// is a window of its own, created, shown modally and destroyed by the caller.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr, AboutPlatform platform = AboutPlatform::desktop());

    // Starts the system information tool recorded in the registry; any failure on
    // the way ends in the one message that it is unavailable.
    void StartSysInfo();

    // Reads the value SubKeyRef of the key KeyName below KeyRoot into KeyVal as
    // text. False, with KeyVal emptied, when the key or the value cannot be read;
    // true for a value of a type other than string or number, with KeyVal as it
    // was. Empty data throws std::invalid_argument after closing the key.
    bool GetKeyValue(Registry::Key KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label1_Click();

    AboutPlatform m_platform;
};
