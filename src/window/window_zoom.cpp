#include "window/window_zoom.h"

#include "kit/game_settings.h"
#include "kit/twips.h"
#include "window/layout.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

QSize WindowZoom::ownSize()
{
    const Layout::Control& form = Layout::of("Form1");
    return {Twips::px(form.width), Twips::px(form.height)};
}

bool WindowZoom::allowed(double zoom) { return std::isfinite(zoom) && zoom >= kSmallest && zoom <= kLargest; }

double WindowZoom::largest(QSize room)
{
    if (room.isEmpty())
        return kLargest;
    const double fits = std::min(double(room.width()) / ownSize().width(), double(room.height()) / ownSize().height());
    return std::clamp(fits, 1.0, kLargest);
}

double WindowZoom::stepped(double now, int steps, double largest)
{
    double next = now;
    if (steps > 0) {
        const auto* larger = std::find_if(std::begin(kSteps), std::end(kSteps), [now](double z) { return z > now + 0.001; });
        next = std::max(now, std::min(larger == std::end(kSteps) ? now : *larger, largest));
    } else {
        for (const double z : kSteps)
            if (z < now - 0.001)
                next = z;
    }
    return next;
}

double WindowZoom::fitting(QSize size)
{
    const QSize own = ownSize();
    const double fits = std::min(double(size.width()) / own.width(), double(size.height()) / own.height());
    return std::floor(fits * 100 + 0.5) / 100;
}

QRect WindowZoom::roomOf(const QRect& frame, const QList<QRect>& rooms)
{
    QRect best;
    qint64 bestShared = 0;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& room : rooms) {
        const QRect shared = room.intersected(frame);
        const qint64 area = shared.isEmpty() ? 0 : qint64(shared.width()) * shared.height();
        // How far the frame's centre lies outside the room, when nothing of it is in.
        const QPoint centre = frame.center();
        const qint64 dx = std::max({qint64(room.left()) - centre.x(), qint64(centre.x()) - room.right(), qint64(0)});
        const qint64 dy = std::max({qint64(room.top()) - centre.y(), qint64(centre.y()) - room.bottom(), qint64(0)});
        const qint64 distance = dx * dx + dy * dy;
        if (area > bestShared || (bestShared == 0 && area == 0 && distance < bestDistance)) {
            best = room;
            bestShared = area;
            bestDistance = distance;
        }
    }
    return best;
}

QRect WindowZoom::keptIn(const QRect& frame, const QRect& room)
{
    if (room.isEmpty())
        return frame;
    const int left = std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width()));
    const int top = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
    return QRect(QPoint(left, top), frame.size());
}

WindowZoom::Place WindowZoom::saved()
{
    const GameSettings settings;
    Place place;
    if (const std::optional<double> zoom = settings.zoom(); zoom && allowed(*zoom))
        place.zoom = zoom;
    place.position = settings.position();
    return place;
}

void WindowZoom::save(double zoom, QPoint position, QSize size)
{
    GameSettings().setPlace(zoom, position, size);
}
