#include "app/iconset.h"

#include <QDir>
#include <QRegularExpression>

QIcon IconSet::load(const char *name)
{
    // The size comes from the name, so nothing is decoded, and no image plugin
    // probed, before a pixmap is painted.
    static const QRegularExpression sizeInName(QStringLiteral("-(\\d+)x(\\d+)\\.png$"));
    const QDir folder(QStringLiteral(":/icons"));
    QIcon icon;
    for (const QString &file :
         folder.entryList({QString::fromUtf8(name) + QStringLiteral("-*.png")}, QDir::Files)) {
        const QRegularExpressionMatch size = sizeInName.match(file);
        icon.addFile(folder.filePath(file),
                     QSize(size.captured(1).toInt(), size.captured(2).toInt()));
    }
    return icon;
}
