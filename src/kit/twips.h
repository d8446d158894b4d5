#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

class QWidget;

// The layout is measured in twips: 15 twips make one pixel at 100 % scale. A window is drawn at a
// zoom of its own, which the window's placer sets on it, and the windows opened from it at the
// same: a Twips for a zoom gives pixels at that zoom, and Twips::of() a widget gives those of the
// window it is drawn in.
class Twips {
public:
    static constexpr int kPerPixel = 15;
    static constexpr int px(int twips)
    {
        return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
    }
    static constexpr int fromPx(int pixels) { return pixels * kPerPixel; }

    // At `zoom`: 1 at a window's own size.
    explicit Twips(double zoom = 1) : m_zoom(zoom) {}
    // At the zoom of the window `widget` lies in or, for a window of its own, of the window it was
    // opened from; at 1 where no zoom was set (no widget, or a window made at its own size).
    static Twips of(const QWidget* widget);
    // Draws `window`, and the windows opened from it, at `zoom` from now on.
    static void setZoom(QWidget& window, double zoom);

    double zoom() const { return m_zoom; }
    // Pixels at the zoom.
    int zoomed(int twips) const { return px(int(std::lround(twips * m_zoom))); }
    QPoint point(int left, int top) const { return {zoomed(left), zoomed(top)}; }
    QSize size(int width, int height) const { return {zoomed(width), zoomed(height)}; }
    QRect rect(int left, int top, int width, int height) const { return {point(left, top), size(width, height)}; }

private:
    double m_zoom;
};
