#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

// Draws the SVG artwork into PNG pictures at one and two times their size when the game is
// built, so the program only decodes small pictures at start-up instead of drawing vectors.
// A picture the window shows at another size ("name=WxH") is also written at that size, scaled
// the way the program would scale it ("name@WxH.png", "name@WxH@2x.png"), so the program decodes
// it at the size it shows and scales nothing.
// Usage: rasterize_artwork OUTPUT_FOLDER FILE.svg... [NAME=WxH...]
static bool save(const QImage& picture, const QString& folder, const QString& name)
{
    // The pictures at their own size are stored without compression: the program decodes them at
    // every start, and inflating takes longer than reading the plain pixels.
    const int quality = name.endsWith(QStringLiteral("@2x")) ? -1 : 100;
    if (picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG", quality))
        return true;
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
