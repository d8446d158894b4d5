#include "kit/artwork.h"

#include "kit/picture_words.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
QString pictureFile(const QString& name, bool twice, const QString& form = QStringLiteral("png"))
{
    return QStringLiteral(":/art/%1%2.%3").arg(name, twice ? QStringLiteral("@2x") : QString(), form);
}

// A picture kept as plain pixels (see src/app/rasterize_artwork.cpp): the image reads them where
// they lie in the program, so nothing is decoded or copied. Null when there is no such picture.
QImage plainPixels(const QString& file)
{
    const QResource resource(file);
    constexpr qint64 kHeader = 4 * sizeof(quint32);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < kHeader)
        return {};
    const uchar* data = resource.data();
    quint32 header[4];
    std::memcpy(header, data, sizeof header);
    const qint64 width = header[0];
    const qint64 height = header[1];
    const auto format = static_cast<QImage::Format>(header[2]);
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        || resource.size() != kHeader + width * height * 4)
        return {};
    const QImage image(data + kHeader, int(width), int(height), int(width * 4), format);
    // The pixels are read in place when they lie on a 32-bit boundary, as they do in the resource
    // made for them; otherwise from a copy.
    return reinterpret_cast<std::uintptr_t>(data + kHeader) % alignof(quint32) == 0 ? image : image.copy();
}

// The picture drawn from its SVG source at `pixels`; null when the program has no such source.
QPixmap fromSource(const QString& name, QSize pixels)
{
    QSvgRenderer renderer(QStringLiteral(":/art/svg/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return QPixmap::fromImage(picture);
}
}

QSize Artwork::naturalSize(const QString& name)
{
    static QHash<QString, QSize> sizes;
    const auto found = sizes.constFind(name);
    if (found != sizes.constEnd())
        return *found;
    QSize size = plainPixels(pictureFile(name, false, QStringLiteral("px"))).size();
    if (size.isEmpty())
        size = QImageReader(pictureFile(name, false)).size();
    return *sizes.insert(name, size);
}

QPixmap Artwork::pixmap(const QString& name, QSize size, qreal ratio, double zoom)
{
    // A button in the player's language shows its word there, at that picture's own size (a word
    // longer than the English one is drawn wider, as far as its room in the window allows); the
    // English picture stands in for a word the program holds no picture of.
    const QString drawn = PictureWords::picture(name);
    if (drawn != name) {
        const QSize own = size.isEmpty() ? naturalSize(drawn) : size;
        const QPixmap word = own.isEmpty() ? QPixmap() : named(drawn, own, ratio, zoom);
        if (!word.isNull())
            return word;
    }
    return named(name, size.isEmpty() ? naturalSize(name) : size, ratio, zoom);
}

QPixmap Artwork::named(const QString& name, QSize size, qreal ratio, double zoom)
{
    const QSize shown = size;
    if (ratio <= kScreenRatio)
        ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    size = QSize(int(std::lround(size.width() * zoom)), int(std::lround(size.height() * zoom)));
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    // The pictures are drawn at one and two times their size when the game is built, and those the
    // window shows at another size at that size too; the program holds some of them (see
    // src/kit/CMakeLists.txt). At another zoom, or when the program does not hold the picture, it
    // is drawn from its source at the size shown; any other pixel ratio is scaled smoothly from the
    // nearest larger one.
    const QSize pixels = size * ratio;
    const auto load = [](const QString& file, bool twice) {
        const QImage image = plainPixels(pictureFile(file, twice, QStringLiteral("px")));
        if (!image.isNull())
            return QPixmap::fromImage(image);
        const QString png = pictureFile(file, twice);
        return QResource(png).isValid() ? QPixmap(png) : QPixmap();
    };
    const qreal scale = zoom * ratio;
    QPixmap picture;
    if (scale == 1 || scale == 2 || zoom == 1) {
        const bool twice = scale > 1;
        // Asked first for a picture held at the size shown, so that no picture is read for its size.
        if (scale == 1 || scale == 2)
            picture = load(QStringLiteral("%1@%2x%3").arg(name).arg(shown.width()).arg(shown.height()), twice);
        if (picture.isNull())
            picture = load(name, twice);
    }
    if (picture.isNull())
        picture = fromSource(name, pixels);
    if (!picture.isNull() && picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return *cache.insert(key, picture);
}
