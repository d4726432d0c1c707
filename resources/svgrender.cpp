// Build tool: renders an SVG drawing at a given size, either as a PNG for the
// icon theme or as raw pixels for the program. Raw pixels are 32-bit words
// 0xAARRGGBB, alpha not premultiplied, in the byte order of the machine that
// builds (and runs) the program, row after row: the layout the window system
// takes a window's icon in, so the program builds its pictures on them without a
// decoder, an image plugin or a conversion.
//   svgrender IN.svg OUT.png|OUT.argb WIDTH HEIGHT
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: svgrender IN.svg OUT.png|OUT.argb WIDTH HEIGHT\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgrender: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(QString::fromLatin1(argv[3]).toInt(), QString::fromLatin1(argv[4]).toInt(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();

    const QString out = QString::fromLocal8Bit(argv[2]);
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
