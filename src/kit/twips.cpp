#include "kit/twips.h"

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <QWidget>

namespace {
// The property of a window that holds its zoom.
constexpr const char* kZoom = "dorvZoom";
}

Twips Twips::of(const QWidget* widget)
{
    // The widget's window, then the window that one was opened from, and so on. A property is looked
    // up among all those its class declares first, hundreds of instructions: only a window that
    // holds the zoom is asked for it (none while the main window is built).
    for (; widget; widget = widget->parentWidget()) {
        widget = widget->window();
        if (widget->dynamicPropertyNames().contains(kZoom))
            return Twips(widget->property(kZoom).toDouble());
    }
    return Twips();
}

void Twips::setZoom(QWidget& window, double zoom) { window.setProperty(kZoom, zoom); }
