// SPDX-License-Identifier: MIT
#include "app/qttexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtTexts {
void installJapanese()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    // The Windows program carries the catalogue; on Linux it is the system's.
    const QString name = QStringLiteral("qtbase_ja");
    if (translator->load(name, QStringLiteral(":/translations")) ||
        translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace QtTexts
