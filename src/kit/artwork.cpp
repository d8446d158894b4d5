#include "kit/artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>

namespace {
QString pictureFile(const QString& name, bool twice)
{
    return QStringLiteral(":/art/%1%2.png").arg(name, twice ? QStringLiteral("@2x") : QString());
}
}

QSize Artwork::naturalSize(const QString& name)
{
    static QHash<QString, QSize> sizes;
    const auto found = sizes.constFind(name);
    if (found != sizes.constEnd())
        return *found;
    return *sizes.insert(name, QImageReader(pictureFile(name, false)).size());
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
    QPixmap picture;
    if (size != natural && (ratio == 1 || ratio == 2))
        picture.load(pictureFile(QStringLiteral("%1@%2x%3").arg(name).arg(size.width()).arg(size.height()), ratio > 1));
    if (picture.isNull())
        picture.load(pictureFile(name, ratio > 1));
    if (!picture.isNull() && picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return *cache.insert(key, picture);
}
