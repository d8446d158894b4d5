// svgpreview - look at the artwork exactly as the game will draw it.
//
// Usage: svgpreview ART_DIR OUT_DIR [NAME...]
// Renders every ART_DIR/*.svg with QSvgRenderer at 1x and 2x into
// OUT_DIR/NAME@1x.png and OUT_DIR/NAME@2x.png, reports any warning QtSvg
// prints while loading (unsupported features), and writes:
//   OUT_DIR/contact-sheet.png  every picture at 2x on black, gold and clouds
//   OUT_DIR/balls-zoom-*.png   every ball (and the icon) large, 1x and 2x
//   OUT_DIR/zoom-NAME.png      a close-up of each NAME given (12x, 4x if large)
//   OUT_DIR/scene-*.png        mock-ups (2x): the window with each board,
//                              balls and buttons; a pop-up panel; the banner
// Run with QT_QPA_PLATFORM=offscreen on a machine without a display.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QStringList>
#include <cstdio>

static QStringList g_warnings;

static void handler(QtMsgType, const QMessageLogContext &, const QString &msg)
{
    g_warnings << msg;
}

static QImage render(QSvgRenderer &r, QSize size, QColor bg = Qt::transparent)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(bg);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    r.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return img;
}

static QPointF holeCentre(int r, int c)
{
    return QPointF((2040.0 + (c - 3) * 580.0) / 15.0, (480.0 + (r - 1) * 580.0) / 15.0);
}

static bool holeExists(int r, int c)
{
    const int lo[8] = {0, 3, 2, 1, 1, 1, 2, 3};
    const int hi[8] = {0, 5, 6, 7, 7, 7, 6, 5};
    return c >= lo[r] && c <= hi[r];
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: svgpreview ART_DIR OUT_DIR\n");
        return 2;
    }
    const QDir artDir(QString::fromLocal8Bit(argv[1]));
    QDir outDir(QString::fromLocal8Bit(argv[2]));
    outDir.mkpath(QStringLiteral("."));
    qInstallMessageHandler(handler);

    const QStringList files = artDir.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    QMap<QString, QSvgRenderer *> renderers;
    bool allClean = true;
    for (const QString &f : files) {
        g_warnings.clear();
        auto *r = new QSvgRenderer(artDir.filePath(f));
        const QString name = QFileInfo(f).completeBaseName();
        if (!r->isValid())
            g_warnings << QStringLiteral("INVALID SVG");
        const QSize s = r->defaultSize();
        QElapsedTimer timer;
        timer.start();
        const QImage one = render(*r, s);
        const qint64 ms = timer.elapsed();
        one.save(outDir.filePath(name + QStringLiteral("@1x.png")));
        render(*r, s * 2).save(outDir.filePath(name + QStringLiteral("@2x.png")));
        printf("%-20s %4dx%-4d %4lld ms  %s\n", qPrintable(f), s.width(), s.height(), ms,
               g_warnings.isEmpty() ? "ok" : "WARNINGS:");
        for (const QString &w : g_warnings)
            printf("      %s\n", qPrintable(w));
        allClean = allClean && g_warnings.isEmpty();
        renderers.insert(name, r);
    }
    qInstallMessageHandler(nullptr);

    QSvgRenderer *bgR = renderers.value(QStringLiteral("background"));
    QImage clouds = bgR ? render(*bgR, QSize(524, 464) * 2) : QImage();

    // ---- contact sheet: every picture at 2x on black / gold / clouds ----
    const int sheetW = 2000, pad = 14, labelH = 22;
    struct Item { QString name; QSize size; };
    QList<Item> items;
    for (auto it = renderers.begin(); it != renderers.end(); ++it)
        items.append({it.key(), it.value()->defaultSize() * 2});
    // lay out
    QList<QRect> places;
    int x = pad, y = pad, rowH = 0;
    for (const Item &it : items) {
        const int w = it.size.width() * 3 + 2 * 6, h = it.size.height() + labelH;
        if (x + w > sheetW - pad) {
            x = pad;
            y += rowH + pad;
            rowH = 0;
        }
        places.append(QRect(x, y, w, h));
        x += w + pad * 2;
        rowH = qMax(rowH, h);
    }
    QImage sheet(sheetW, y + rowH + pad, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(60, 60, 66));
    {
        QPainter p(&sheet);
        p.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        p.setFont(font);
        for (int i = 0; i < items.size(); ++i) {
            const QRect pl = places[i];
            const QSize s = items[i].size;
            QSvgRenderer *r = renderers.value(items[i].name);
            p.setPen(Qt::white);
            p.drawText(pl.x(), pl.y() + 15, items[i].name);
            const int ty = pl.y() + labelH;
            const QRect t1(pl.x(), ty, s.width(), s.height());
            const QRect t2 = t1.translated(s.width() + 6, 0);
            const QRect t3 = t2.translated(s.width() + 6, 0);
            p.fillRect(t1, QColor(8, 6, 4));
            p.fillRect(t2, QColor(214, 164, 52));
            if (!clouds.isNull())
                p.drawImage(t3, clouds, QRect(QPoint((i * 97) % 500, (i * 61) % 400), s));
            r->render(&p, QRectF(t1));
            r->render(&p, QRectF(t2));
            r->render(&p, QRectF(t3));
        }
    }
    sheet.save(outDir.filePath(QStringLiteral("contact-sheet.png")));

    // ---- balls zoom ----
    QStringList balls;
    for (const QString &n : renderers.keys())
        if (n.startsWith(QLatin1String("ball")) || n == QLatin1String("ein") || n == QLatin1String("icon"))
            balls << n;
    for (int bgi = 0; bgi < 2; ++bgi) {
        const int cols = 4, cellW = 300, cellH = 210;
        const int rows = (int(balls.size()) + cols - 1) / cols;
        QImage zoom(cols * cellW, rows * cellH, QImage::Format_ARGB32_Premultiplied);
        zoom.fill(bgi == 0 ? QColor(8, 6, 4) : QColor(214, 164, 52));
        QPainter p(&zoom);
        p.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        p.setFont(font);
        for (int i = 0; i < balls.size(); ++i) {
            QSvgRenderer *r = renderers.value(balls[i]);
            const QSize s = r->defaultSize();
            const int bx = (i % cols) * cellW + 8, by = (i / cols) * cellH + 6;
            p.setPen(bgi == 0 ? Qt::white : Qt::black);
            p.drawText(bx, by + 12, balls[i]);
            const QSize big = s.width() > 32 ? s * 4 : s * 6;
            p.drawImage(bx, by + 16, render(*r, big));
            p.drawImage(bx + 200, by + 16, render(*r, s));
            p.drawImage(bx + 200, by + 70, render(*r, s * 2));
        }
        p.end();
        zoom.save(outDir.filePath(bgi == 0 ? QStringLiteral("balls-zoom-black.png") : QStringLiteral("balls-zoom-gold.png")));
    }

    // ---- scene mock-ups ----
    const QStringList ballNames = {QStringLiteral("ball1"), QStringLiteral("ball0"), QStringLiteral("ball2"),
                                   QStringLiteral("ball3"), QStringLiteral("ball4"), QStringLiteral("ball5"),
                                   QStringLiteral("ball7"), QStringLiteral("ball8"), QStringLiteral("ball9"),
                                   QStringLiteral("ball10"), QStringLiteral("ein"), QStringLiteral("ball6")};
    for (int b = 0; b < 3; ++b) {
        QSvgRenderer *board = renderers.value(QStringLiteral("board%1").arg(b));
        if (!board || clouds.isNull())
            continue;
        QImage scene(QSize(524, 464) * 2, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&scene);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2, 2);
        p.drawImage(QRectF(0, 0, 524, 464), clouds);
        const QPointF boardPos(84, 100);
        board->render(&p, QRectF(boardPos, QSizeF(356, 301)));
        int k = 0;
        for (int r = 1; r <= 7; ++r)
            for (int c = 1; c <= 7; ++c) {
                if (!holeExists(r, c))
                    continue;
                ++k;
                if (r == 4 && c == 4)
                    continue; // the empty centre
                if (k % 5 == 0 && b != 0)
                    continue; // a few more empty ones
                QString bn = ballNames[(b == 0) ? 0 : (k % ballNames.size())];
                QSvgRenderer *br = renderers.value(bn);
                if (!br)
                    continue;
                const QSizeF bs = br->defaultSize();
                br->render(&p, QRectF(boardPos + holeCentre(r, c) - QPointF(bs.width() / 2, bs.height() / 2), bs));
            }
        auto put = [&](const char *name, qreal x, qreal y) {
            QSvgRenderer *r = renderers.value(QString::fromLatin1(name));
            if (r)
                r->render(&p, QRectF(QPointF(x, y), QSizeF(r->defaultSize())));
        };
        put("btn_game", 4, 8);
        put("btn_moves", 106, 8);
        put("btn_undo", 206, 8);
        put("btn_highscores", 330, 6);
        p.end();
        scene.save(outDir.filePath(QStringLiteral("scene-board%1.png").arg(b)));
    }
    // the dark pop-up panel with its buttons, on the clouds
    if (!clouds.isNull()) {
        QImage img(QSize(260, 300) * 2, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawImage(0, 0, clouds);
        p.scale(2, 2);
        p.setPen(QPen(QColor(190, 140, 40), 1.5));
        p.setBrush(QColor(12, 10, 8, 235));
        p.drawRoundedRect(QRectF(10, 10, 240, 280), 6, 6);
        auto put = [&](const char *name, qreal x, qreal y) {
            QSvgRenderer *r = renderers.value(QString::fromLatin1(name));
            if (r)
                r->render(&p, QRectF(QPointF(x, y), QSizeF(r->defaultSize())));
        };
        put("btn_new", 24, 20);
        put("btn_load", 24, 56);
        put("btn_save", 24, 92);
        put("btn_quit", 24, 130);
        put("btn_sound", 120, 20);
        put("btn_on", 120, 56);
        put("btn_off", 170, 56);
        put("btn_music", 120, 92);
        put("btn_on", 120, 128);
        put("btn_off", 170, 128);
        put("btn_view", 120, 166);
        put("btn_game", 24, 200);
        put("btn_moves", 130, 200);
        put("btn_undo", 24, 240);
        p.end();
        img.save(outDir.filePath(QStringLiteral("scene-panel.png")));
    }
    // banner + icon on clouds
    {
        QImage img(QSize(524, 464) * 2, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawImage(0, 0, clouds);
        p.scale(2, 2);
        if (QSvgRenderer *r = renderers.value(QStringLiteral("banner")))
            r->render(&p, QRectF(154, 60, 216, 144));
        if (QSvgRenderer *r = renderers.value(QStringLiteral("icon"))) {
            r->render(&p, QRectF(20, 300, 16, 16));
            r->render(&p, QRectF(50, 300, 32, 32));
            r->render(&p, QRectF(100, 300, 64, 64));
        }
        p.end();
        img.save(outDir.filePath(QStringLiteral("scene-banner.png")));
    }
    // optional close-ups: svgpreview ART OUT name1 name2 ... -> OUT/zoom-NAME.png at 12x
    for (int i = 3; i < argc; ++i) {
        const QString n = QString::fromLocal8Bit(argv[i]);
        if (QSvgRenderer *r = renderers.value(n)) {
            const int k = r->defaultSize().width() > 100 ? 4 : 12;
            render(*r, r->defaultSize() * k, QColor(40, 40, 40)).save(outDir.filePath(QStringLiteral("zoom-") + n + QStringLiteral(".png")));
        }
    }
    printf("%s\n", allClean ? "all SVGs loaded without warnings" : "SOME SVGs PRODUCED WARNINGS");
    return allClean ? 0 : 1;
}
