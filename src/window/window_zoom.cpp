#include "window/window_zoom.h"

#include "kit/twips.h"
#include "window/layout.h"

#include <QSettings>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
struct PlaceSettings : QSettings {
    PlaceSettings()
        : QSettings(QStringLiteral("The Dorv"), QStringLiteral("The Dorv"))
    {
        beginGroup(QStringLiteral("Window"));
    }
};
}

QSize WindowZoom::ownSize()
{
    const Layout::Control& form = Layout::of("Form1");
    return {Twips::px(form.width), Twips::px(form.height)};
}

double WindowZoom::largest(QSize room)
{
    if (room.isEmpty())
        return kSteps[std::size(kSteps) - 1];
    return std::max(1.0, std::min(double(room.width()) / ownSize().width(), double(room.height()) / ownSize().height()));
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

WindowZoom::Place WindowZoom::saved()
{
    PlaceSettings settings;
    Place place;
    bool known = false;
    const double zoom = settings.value(QStringLiteral("zoom")).toString().toDouble(&known);
    if (known)
        place.zoom = zoom;
    if (settings.contains(QStringLiteral("position")))
        place.position = settings.value(QStringLiteral("position")).toPoint();
    return place;
}

void WindowZoom::save(double zoom, QPoint position, QSize size)
{
    PlaceSettings settings;
    settings.setValue(QStringLiteral("zoom"), QString::number(zoom));
    settings.setValue(QStringLiteral("position"), position);
    settings.setValue(QStringLiteral("size"), size);
}
