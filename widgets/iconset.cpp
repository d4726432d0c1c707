// SPDX-License-Identifier: MIT
#include "widgets/iconset.h"

#include <QResource>

namespace {
// The width and height in a name "NAME-WIDTHxHEIGHT.argb", or an empty size.
QSize sizeInName(QStringView stem)
{
    const qsizetype x = stem.indexOf(QLatin1Char('x'));
    bool widthRead = false;
    bool heightRead = false;
    const QSize size(stem.left(x).toInt(&widthRead), stem.mid(x + 1).toInt(&heightRead));
    return x > 0 && widthRead && heightRead ? size : QSize();
}

// The names in a resource folder, read from the resource tree itself. QResource
// keeps this protected; a directory iterator would build file information for
// every entry at every start.
struct ResourceFolder : QResource
{
    using QResource::children;
    using QResource::QResource;
};
} // namespace

QIcon IconSet::load(const char *name)
{
    const QString prefix = QString::fromUtf8(name) + QLatin1Char('-');
    const QLatin1String suffix(".argb");
    QIcon icon;
    // Matched by hand rather than by a name filter, which would compile a regular
    // expression at every start.
    // The folder is read once for all the icons.
    const QString folder = QStringLiteral(":/icons/");
    static const QStringList files = ResourceFolder(folder).children();
    for (const QString &file : files) {
        if (!file.startsWith(prefix) || !file.endsWith(suffix))
            continue;
        const QString path = folder + file;
        const QSize size = sizeInName(
            QStringView(file).mid(prefix.size(), file.size() - prefix.size() - suffix.size()));
        QByteArray pixels = QResource(path).uncompressedData();
        if (size.isEmpty() || pixels.size() != qsizetype(size.width()) * size.height() * 4)
            continue;
        // An image's rows must start on four-byte boundaries; a copy on the heap does.
        if (quintptr(pixels.constData()) % 4 != 0)
            pixels.detach();
        // The image only borrows the bytes, and the pixmap takes it over as it is,
        // so the pixmap gets a copy that it owns.
        const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), size.width(),
                           size.height(), size.width() * 4, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image.copy(), Qt::NoFormatConversion));
    }
    return icon;
}
