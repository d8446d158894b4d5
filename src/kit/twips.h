#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

// The layout is measured in twips: 15 twips make one pixel at 100 % scale. The windows are drawn
// at one zoom, the same for all of them: point(), size() and rect() give pixels at that zoom.
struct Twips {
    static constexpr int kPerPixel = 15;
    static constexpr int px(int twips)
    {
        return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
    }
    static constexpr int fromPx(int pixels) { return pixels * kPerPixel; }

    static double zoom() { return s_zoom; }
    static void setZoom(double zoom) { s_zoom = zoom; }
    // Pixels at the windows' zoom.
    static int zoomed(int twips) { return px(int(std::lround(twips * s_zoom))); }
    static QPoint point(int left, int top) { return {zoomed(left), zoomed(top)}; }
    static QSize size(int width, int height) { return {zoomed(width), zoomed(height)}; }
    static QRect rect(int left, int top, int width, int height) { return {point(left, top), size(width, height)}; }

private:
    static inline double s_zoom = 1;
};
