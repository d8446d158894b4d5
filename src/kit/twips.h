#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The layout is measured in twips: 15 twips make one pixel at 100 % scale.
struct Twips {
    static constexpr int kPerPixel = 15;
    static constexpr int px(int twips)
    {
        return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
    }
    static constexpr int fromPx(int pixels) { return pixels * kPerPixel; }
    static QPoint point(int left, int top) { return {px(left), px(top)}; }
    static QSize size(int width, int height) { return {px(width), px(height)}; }
    static QRect rect(int left, int top, int width, int height) { return {point(left, top), size(width, height)}; }
};
