#include "kit/artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QResource>

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

QPixmap Artwork::pixmap(const QString& name, QSize size, qreal ratio)
{
    const QSize natural = naturalSize(name);
    if (size.isEmpty())
        size = natural;
    if (ratio <= 0)
        ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    // The pictures are drawn at one and two times their size when the game is built, and those the
    // window shows at another size at that size too; any other size or pixel ratio is scaled
    // smoothly from the nearest larger one.
    const QSize pixels = size * ratio;
    const auto load = [](const QString& file, bool twice) {
        const QImage image = plainPixels(pictureFile(file, twice, QStringLiteral("px")));
        return image.isNull() ? QPixmap(pictureFile(file, twice)) : QPixmap::fromImage(image);
    };
    QPixmap picture;
    if (size != natural && (ratio == 1 || ratio == 2))
        picture = load(QStringLiteral("%1@%2x%3").arg(name).arg(size.width()).arg(size.height()), ratio > 1);
    if (picture.isNull())
        picture = load(name, ratio > 1);
    if (!picture.isNull() && picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return *cache.insert(key, picture);
}
