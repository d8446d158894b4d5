#include "window/artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

QSize Artwork::naturalSize(const QString& name)
{
    static QHash<QString, QSize> sizes;
    const auto found = sizes.constFind(name);
    if (found != sizes.constEnd())
        return *found;
    const QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    return *sizes.insert(name, renderer.defaultSize());
}

QPixmap Artwork::pixmap(const QString& name, QSize size, qreal ratio)
{
    if (size.isEmpty())
        size = naturalSize(name);
    if (ratio <= 0)
        ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    QPixmap picture(size * ratio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(ratio);
    return *cache.insert(key, picture);
}
