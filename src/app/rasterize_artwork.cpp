#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

// Draws the SVG artwork into pictures at one and two times their size when the game is built, so
// the program shows ready pixels at start-up instead of drawing vectors.
// A picture the window shows at another size ("name=WxH") is also written at that size, scaled
// the way the program would scale it ("name@WxH.png", "name@WxH@2x.png"), so the program decodes
// it at the size it shows and scales nothing.
// Usage: rasterize_artwork OUTPUT_FOLDER FILE.svg... [NAME=WxH...]
// Every picture is also written as plain pixels ("name.px"), in the form a pixmap keeps it, so the
// program can show it straight from its own memory, decoding nothing and copying nothing. The
// pixels are those the PNG file gives once read back, so the window shows exactly the same
// picture either way. The file holds the width, the height and the QImage format as 32-bit
// numbers, a fourth one left zero, and the rows of pixels.
static bool savePixels(const QImage& picture, const QString& folder, const QString& name)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    const QImage read = QImage::fromData(png, "PNG");
    // Opaque pictures in the screen's own form, the others with their alpha premultiplied.
    bool transparent = false;
    for (int y = 0; y < read.height() && !transparent; ++y)
        for (int x = 0; x < read.width() && !transparent; ++x)
            transparent = qAlpha(read.pixel(x, y)) != 255;
    const QImage pixels = read.convertToFormat(transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QFile file(folder + QLatin1Char('/') + name + QStringLiteral(".px"));
    const quint32 header[4] = {quint32(pixels.width()), quint32(pixels.height()), quint32(pixels.format()), 0};
    const qint64 row = qint64(pixels.width()) * 4;
    bool written = file.open(QIODevice::WriteOnly)
                   && file.write(reinterpret_cast<const char*>(header), sizeof header) == qint64(sizeof header);
    for (int y = 0; written && y < pixels.height(); ++y)
        written = file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), row) == row;
    if (written)
        return true;
    std::fprintf(stderr, "rasterize_artwork: cannot write %s.px\n", qPrintable(name));
    return false;
}

static bool save(const QImage& picture, const QString& folder, const QString& name)
{
    // Quality 0: the smallest file, the same pixels.
    if (picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG", 0))
        return savePixels(picture, folder, name);
    std::fprintf(stderr, "rasterize_artwork: cannot write %s.png\n", qPrintable(name));
    return false;
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER FILE.svg...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QHash<QString, QList<QSize>> shownSizes;
    for (int i = 2; i < argc; ++i) {
        const QStringList size = QString::fromLocal8Bit(argv[i]).split(QLatin1Char('='));
        if (size.size() != 2)
            continue;
        const QStringList wh = size[1].split(QLatin1Char('x'));
        shownSizes[size[0]].append(QSize(wh.value(0).toInt(), wh.value(1).toInt()));
    }
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (path.contains(QLatin1Char('=')))
            continue;
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "rasterize_artwork: cannot read %s\n", argv[i]);
            return 1;
        }
        for (const int ratio : {1, 2}) {
            QImage picture(renderer.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            const QString base = QFileInfo(path).completeBaseName();
            const QString twice = ratio == 2 ? QStringLiteral("@2x") : QString();
            if (!save(picture, folder, base + twice))
                return 1;
            // As the program had it: read from the PNG file and scaled smoothly.
            const QImage read = picture.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            for (const QSize& size : shownSizes.value(base)) {
                const QImage scaled = read.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                if (!save(scaled, folder, QStringLiteral("%1@%2x%3%4").arg(base).arg(size.width()).arg(size.height()).arg(twice)))
                    return 1;
            }
        }
    }
    return 0;
}
