// SPDX-License-Identifier: MIT
// Build tool: renders an SVG drawing at a given size, either as a PNG for the
// icon theme or as raw pixels for the program, or at several sizes as the icon
// of a Windows program. Raw pixels are 32-bit words 0xAARRGGBB, alpha not
// premultiplied, in the byte order of the machine that builds (and runs) the
// program, row after row: the layout the window system takes a window's icon
// in, so the program builds its pictures on them without a decoder, an image
// plugin or a conversion. It runs on the machine that builds, for Windows too.
//   svgrender IN.svg OUT.png|OUT.argb WIDTH HEIGHT
//   svgrender IN.svg OUT.ico SIZE...
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {
QImage render(QSvgRenderer &renderer, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

// An icon file of square PNG images, one entry each, as Windows Vista and later read it.
bool writeIcon(QSvgRenderer &renderer, const QString &out, const QList<int> &sizes)
{
    QList<QByteArray> images;
    for (int size : sizes) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!render(renderer, size, size).save(&png, "PNG"))
            return false;
        images << png.data();
    }
    QByteArray icon;
    QDataStream stream(&icon, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const quint8 side = sizes[i] >= 256 ? 0 : quint8(sizes[i]); // 0 stands for 256
        stream << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
               << quint32(images[i].size()) << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : std::as_const(images))
        icon += image;
    QFile file(out);
    return file.open(QIODevice::WriteOnly) && file.write(icon) == icon.size();
}
} // namespace

int main(int argc, char *argv[])
{
    const QString out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool icon = out.endsWith(QLatin1String(".ico"));
    if (icon ? argc < 4 : argc != 5) {
        std::fprintf(stderr, "usage: svgrender IN.svg OUT.png|OUT.argb WIDTH HEIGHT\n"
                             "       svgrender IN.svg OUT.ico SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgrender: cannot read %s\n", argv[1]);
        return 1;
    }
    QList<int> numbers;
    for (int i = 3; i < argc; ++i)
        numbers << QString::fromLatin1(argv[i]).toInt();
    if (icon)
        return writeIcon(renderer, out, numbers) ? 0 : 1;
    QImage image = render(renderer, numbers[0], numbers[1]);
    if (out.endsWith(QLatin1String(".png")))
        return image.save(out, "PNG") ? 0 : 1;
    // Drawn premultiplied, as the program's own tests draw it; the way back and
    // forth between the two layouts is exact.
    image = std::move(image).convertToFormat(QImage::Format_ARGB32);
    QFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    // Four bytes a pixel, so rows carry no padding.
    const auto size = static_cast<qint64>(image.sizeInBytes());
    return file.write(reinterpret_cast<const char *>(image.constBits()), size) == size ? 0 : 1;
}
