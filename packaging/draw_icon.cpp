#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

// Draws the program's icon into square PNG pictures for the desktop's icon theme, one per size,
// when the game is built. Usage: draw_icon ICON.svg OUTPUT_FOLDER SIZE...
// Writes OUTPUT_FOLDER/icon-SIZE.png for every size.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTPUT_FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "draw_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "draw_icon: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // The drawing keeps its proportions, centred, should it not be square.
        QSizeF drawn = QSizeF(renderer.defaultSize()).scaled(size, size, Qt::KeepAspectRatio);
        renderer.render(&painter, QRectF(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn));
        painter.end();
        const QString name = folder + QStringLiteral("/icon-%1.png").arg(size);
        if (!picture.save(name)) {
            std::fprintf(stderr, "draw_icon: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
