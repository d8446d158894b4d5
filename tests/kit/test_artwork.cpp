// The pictures the program keeps as plain pixels show exactly what their PNG pictures show.
#include "kit/artwork.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QtTest>

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

    void theProgramShowsThePlainPixels()
    {
        // Read in place from the program, at their own size.
        for (const char* name : {"background@524x464", "ball0", "board0", "btn_game", "banner"}) {
            const QResource resource(QStringLiteral(":/art/%1.px").arg(QLatin1String(name)));
            QVERIFY2(resource.isValid(), name);
            const QImage shown = Artwork::pixmap(QString::fromLatin1(name), {}, 1).toImage();
            QCOMPARE(shown, QPixmap::fromImage(QImage(QStringLiteral(DORV_ART_DIR "/%1.png").arg(QLatin1String(name)))).toImage());
        }
        const QPixmap icon = Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32), 2);
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.toImage(), QPixmap::fromImage(QImage(QStringLiteral(DORV_ART_DIR "/icon@2x.png"))).toImage());
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
