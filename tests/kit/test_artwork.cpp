// The pictures the program keeps as plain pixels show exactly what their PNG pictures show, and
// those it does not keep are drawn as the build drew them; the buttons show their words in the
// player's language, at one letter height in each panel, each within its room in the window.
#include "support/window_rig.h"

#include "kit/artwork.h"
#include "kit/panel.h"
#include "kit/picture_words.h"
#include "window/translations.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QtTest>

namespace {
// The most opaque pixel on the picture's outermost rows and columns: a word cut by the edge of
// its button leaves its strokes there.
int edgeAlpha(const QImage& picture)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    int most = 0;
    for (int y = 0; y < straight.height(); ++y)
        for (int x = 0; x < straight.width(); ++x)
            if (x == 0 || y == 0 || x == straight.width() - 1 || y == straight.height() - 1)
                most = std::max(most, qAlpha(straight.pixel(x, y)));
    return most;
}

// The languages with words of their own on the buttons.
constexpr const char* kLanguages[] = {"de_DE", "fr_FR", "es_ES", "it_IT", "nl_NL"};

// The rows of a picture's opaque ink (its word's outline and fill, not the half-transparent shadow).
int inkHeight(const QImage& picture)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    int top = straight.height(), bottom = -1;
    for (int y = 0; y < straight.height(); ++y)
        for (int x = 0; x < straight.width(); ++x)
            if (qAlpha(straight.pixel(x, y)) > 160) {
                top = std::min(top, y);
                bottom = y;
                break;
            }
    return bottom - top + 1;
}
}

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void plainPixelsMatchThePictures_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList files = QDir(QStringLiteral(DORV_ART_DIR)).entryList({QStringLiteral("*.px")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() > 20);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file.chopped(3);
    }

    void plainPixelsMatchThePictures()
    {
        QFETCH(QString, name);
        const QString folder = QStringLiteral(DORV_ART_DIR "/");
        const QImage png(folder + name + QStringLiteral(".png"));
        QVERIFY(!png.isNull());
        QFile file(folder + name + QStringLiteral(".px"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        quint32 header[4];
        QVERIFY(bytes.size() >= qsizetype(sizeof header));
        std::memcpy(header, bytes.constData(), sizeof header);
        QCOMPARE(QSize(int(header[0]), int(header[1])), png.size());
        QCOMPARE(bytes.size(), qsizetype(sizeof header) + qsizetype(header[0]) * header[1] * 4);
        QImage pixels(reinterpret_cast<const uchar*>(bytes.constData()) + sizeof header, int(header[0]), int(header[1]),
                            int(header[0] * 4), static_cast<QImage::Format>(header[2]));
        // A PNG picture named "@2x" comes with its pixel ratio; the window sets the ratio itself.
        pixels.setDevicePixelRatio(png.devicePixelRatio());
        // As the window holds them, and pixel for pixel.
        QCOMPARE(QPixmap::fromImage(pixels).toImage(), QPixmap::fromImage(png).toImage());
        QCOMPARE(pixels.convertToFormat(QImage::Format_ARGB32), png.convertToFormat(QImage::Format_ARGB32));
    }

    void theProgramHoldsWhatStartUpShowsAndDrawsTheRest()
    {
        // What the window shows at start-up is read in place from the program, at its own size.
        for (const char* name : {"background@524x464", "ball0", "board0", "btn_game"}) {
            const QResource resource(QStringLiteral(":/art/%1.px").arg(QLatin1String(name)));
            QVERIFY2(resource.isValid(), name);
            const QImage shown = Artwork::pixmap(QString::fromLatin1(name), {}, 1).toImage();
            QCOMPARE(shown, QPixmap::fromImage(QImage(QStringLiteral(DORV_ART_DIR "/%1.png").arg(QLatin1String(name)))).toImage());
        }
        const QPixmap icon = Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32), 2);
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.toImage(), QPixmap::fromImage(QImage(QStringLiteral(DORV_ART_DIR "/icon@2x.png"))).toImage());

        // The large pictures shown later come from PNG, and at twice their size from their sources:
        // the same pictures as the build drew, never a smaller one stretched.
        const struct {
            const char* name;
            qreal ratio;
            const char* drawn;
        } later[] = {{"banner", 1, "banner"}, {"board2", 1, "board2"}, {"banner", 2, "banner@2x"}, {"board0", 2, "board0@2x"}};
        for (const auto& picture : later) {
            QVERIFY2(!QResource(QStringLiteral(":/art/%1.px").arg(QLatin1String(picture.drawn))).isValid(), picture.drawn);
            const QImage shown = Artwork::pixmap(QString::fromLatin1(picture.name), {}, picture.ratio).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage drawn = QImage(QStringLiteral(DORV_ART_DIR "/%1.png").arg(QLatin1String(picture.drawn))).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(shown.size(), drawn.size());
            int most = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x) {
                    const QRgb a = shown.pixel(x, y), b = drawn.pixel(x, y);
                    if (qAlpha(b) > 8)
                        most = std::max({most, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                         std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                }
            // Premultiplied in the program, straight in a PNG file: the faintest edges round apart.
            QVERIFY2(most <= 2, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(picture.drawn)).arg(most)));
        }
    }

    // In English every button shows the picture the build drew, pixel for pixel, at the window's
    // size and at twice it, with its word clear of its edges. With each translation, a button whose
    // word the translation changes shows another picture, as tall as the English one and at its own
    // width, with the word whole inside it; the English ones come back with English.
    void theButtonsShowTheirWordsInThePlayersLanguage()
    {
        QStringList buttons = QDir(QStringLiteral(DORV_ART_DIR)).entryList({QStringLiteral("btn_*.png")}, QDir::Files, QDir::Name);
        buttons = buttons.filter(QRegularExpression(QStringLiteral("^[a-z_]+\\.png$"))).replaceInStrings(QStringLiteral(".png"), QString());
        QCOMPARE(buttons.size(), 13);
        QHash<QString, QImage> english;
        const auto checkEnglish = [&] {
            for (const QString& button : buttons)
                for (const qreal ratio : {1, 2}) {
                    const QString file = QStringLiteral(DORV_ART_DIR "/%1%2.png").arg(button, ratio == 2 ? "@2x" : "");
                    const QImage shown = Artwork::pixmap(button, {}, ratio).toImage();
                    QVERIFY2(shown == QPixmap::fromImage(QImage(file)).toImage(), qPrintable(file));
                    QVERIFY2(edgeAlpha(shown) <= (ratio == 2 ? 0 : 127), qPrintable(file));
                    english[QStringLiteral("%1@%2").arg(button).arg(ratio)] = shown;
                }
        };
        checkEnglish();
        QStringList wrong;
        for (const char* language : kLanguages) {
            Translations::install(QLocale(QString::fromLatin1(language)));
            int translated = 0;
            for (const QString& button : buttons) {
                const char* word = PictureWords::english(button);
                QVERIFY2(word, qPrintable(button));
                const bool differs = QCoreApplication::translate("PictureWords", word) != QLatin1String(word);
                translated += differs;
                for (const qreal ratio : {1, 2}) {
                    const QImage shown = Artwork::pixmap(button, {}, ratio).toImage();
                    const QImage own = english.value(QStringLiteral("%1@%2").arg(button).arg(ratio));
                    const QString where = QStringLiteral("%1 %2 %3x").arg(QLatin1String(language), button).arg(ratio);
                    // The word clear of the edge: drawn at twice the size, nothing on it, as in
                    // English; at the window's own size at most the faint fringe of its shadow.
                    const int edge = ratio == 2 ? 0 : 127;
                    const QSize natural = Artwork::naturalSize(PictureWords::picture(button)) * ratio;
                    if (shown.height() != own.height() || shown.size() != natural || (shown == own) == differs
                        || edgeAlpha(shown) > edge)
                        wrong << QStringLiteral("%1: %2x%3, %4, edge %5").arg(where).arg(shown.width()).arg(shown.height())
                                     .arg(shown == own ? "as in English" : "its own").arg(edgeAlpha(shown));
                }
            }
            QVERIFY2(translated == buttons.size(), language);
        }
        QCOMPARE(wrong.join(QStringLiteral(", ")), QString());
        Translations::install(QLocale::c());
        checkEnglish();
    }

    // The words of one panel in one language stand at one letter height: GAME's panel with the
    // Moves panel (they show the same Save and Load pictures), and the Sound and Music panels. Each
    // picture notes the letter height the generator drew it at, and its ink is as tall as that
    // (a capital's height and its outline) and no taller than a word with accents and descenders.
    void theWordsOfOnePanelStandAtOneLetterHeight()
    {
        const QList<QStringList> panels = {
            {"btn_new", "btn_load", "btn_save", "btn_sound", "btn_music", "btn_quit", "btn_view"}, {"btn_on", "btn_off"}};
        const QRegularExpression noted(QStringLiteral("<!-- letter height ([0-9.]+) px -->"));
        QStringList uneven;
        for (const char* language : kLanguages) {
            Translations::install(QLocale(QString::fromLatin1(language)));
            for (const QStringList& panel : panels) {
                QStringList heights;
                for (const QString& button : panel) {
                    const QString picture = PictureWords::picture(button);
                    QFile source(QStringLiteral(":/art/svg/%1.svg").arg(picture));
                    QVERIFY2(picture != button && source.open(QIODevice::ReadOnly), qPrintable(picture));
                    const QRegularExpressionMatch height = noted.match(QString::fromUtf8(source.readAll()));
                    QVERIFY2(height.hasMatch(), qPrintable(picture));
                    const double letter = height.captured(1).toDouble();
                    const double ink = inkHeight(Artwork::pixmap(button, {}, 2).toImage()) / 2.0;
                    QVERIFY2(ink >= letter && ink <= letter * 1.5 + 4,
                             qPrintable(QStringLiteral("%1: letters %2 px, ink %3 px").arg(picture).arg(letter).arg(ink)));
                    heights << QStringLiteral("%1 %2").arg(picture.section(QLatin1Char('.'), 1), height.captured(1));
                }
                const QString first = heights.first().section(QLatin1Char(' '), 1);
                if (heights.filter(QRegularExpression(QStringLiteral(" %1$").arg(QRegularExpression::escape(first)))).size() != heights.size())
                    uneven << QStringLiteral("%1: %2").arg(QLatin1String(language), heights.join(QStringLiteral(", ")));
            }
        }
        Translations::install(QLocale::c());
        QCOMPARE(uneven.join(QStringLiteral("; ")), QString());
    }

    // In the window, at its own size and at twice it, every button of another language stays in
    // its room: a panel's items inside the panel's 2 px frame, the Sound and Music panels' items
    // clear of the tick that marks the switch in force, which stays inside the frame; GAME before
    // the ball strip, Moves before the notice below the board, UNDO and High Scores inside the
    // window. (The English UNDO reaches a pixel past the window's edge with its empty margin.)
    void everyButtonFitsItsRoomInTheWindow()
    {
        QStringList outside;
        for (const char* language : kLanguages) {
            Translations::install(QLocale(QString::fromLatin1(language)));
            WindowRig rig;
            MainWindow& window = rig.start();
            for (const double zoom : {1.0, 2.0}) {
                window.setZoom(zoom);
                const auto where = [&](const QWidget* item) {
                    return QStringLiteral("%1 %2 at %3: %4..%5").arg(QLatin1String(language), item->objectName()).arg(zoom)
                        .arg(item->x()).arg(item->x() + item->width());
                };
                const QWidget* form = rig.find<QWidget>(QStringLiteral("Picture1"))->parentWidget();
                const struct {
                    const char* button;
                    int end;
                } toolbar[] = {{"Image7", rig.find<QWidget>(QStringLiteral("Picture1"))->x()},
                               {"Image19", rig.find<QWidget>(QStringLiteral("notice"))->x()},
                               {"Image18", form->width()},
                               {"Image5", form->width()}};
                for (const auto& button : toolbar) {
                    const auto* item = rig.find<PictureControl>(QLatin1String(button.button));
                    QVERIFY(item);
                    if (item->x() + item->width() > button.end)
                        outside << where(item) + QStringLiteral(" past %1").arg(button.end);
                }
                for (const char* name : {"men", "men1", "men2", "men3"}) {
                    const auto* panel = rig.find<Panel>(QLatin1String(name));
                    QVERIFY(panel);
                    const int frame = int(std::lround(2 * zoom));
                    int widest = 0;
                    const auto items = panel->findChildren<PictureControl*>(Qt::FindDirectChildrenOnly);
                    QVERIFY(items.size() >= 2);
                    for (const PictureControl* item : items) {
                        QVERIFY(!item->size().isEmpty());
                        widest = std::max(widest, item->x() + item->width());
                        if (item->x() + item->width() > panel->width() - frame)
                            outside << where(item) + QStringLiteral(" past %1").arg(panel->width() - frame);
                    }
                    if (QLatin1String(name) == "men1" || QLatin1String(name) == "men2")
                        for (const PictureControl* item : items) {
                            const QRect mark = panel->markRect(item);
                            if (mark.left() < widest || mark.x() + mark.width() > panel->width() - frame)
                                outside << QStringLiteral("%1 %2's mark at %3: %4..%5 beside words to %6 in %7")
                                               .arg(QLatin1String(language), item->objectName()).arg(zoom).arg(mark.x())
                                               .arg(mark.x() + mark.width()).arg(widest).arg(panel->width());
                        }
                }
            }
        }
        Translations::install(QLocale::c());
        QCOMPARE(outside.join(QStringLiteral(", ")), QString());
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
