#include "app/iconset.h"

#include <QDir>

QIcon IconSet::load(const char *name)
{
    const QDir folder(QStringLiteral(":/icons"));
    QIcon icon;
    // Named as PNG, so no image plugin is asked whether it can read them.
    for (const QString &file :
         folder.entryList({QString::fromUtf8(name) + QStringLiteral("-*.png")}, QDir::Files))
        icon.addPixmap(QPixmap(folder.filePath(file), "PNG"));
    return icon;
}
