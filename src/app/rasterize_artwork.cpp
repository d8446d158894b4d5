#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

// Draws the SVG artwork into PNG pictures at one and two times their size when the game is
// built, so the program only decodes small pictures at start-up instead of drawing vectors.
// Usage: rasterize_artwork OUTPUT_FOLDER FILE.svg...
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER FILE.svg...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
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
            const QString name = QFileInfo(path).completeBaseName() + (ratio == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
            if (!picture.save(folder + QLatin1Char('/') + name)) {
                std::fprintf(stderr, "rasterize_artwork: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
