#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>

class QTimer;
class QWidget;

// The main window's zoom and place: holds the zoom the window and the windows it opens are drawn
// at (set on the window for its parts to read, see Twips::of), lays the window out at a zoom (the
// fonts scaled, then the parts told), follows a size the player gives it once the resizing pauses,
// keeps it whole on the screen that holds most of it, and restores and keeps the zoom and place
// the player left it at. The rules are WindowZoom's; this part applies them to the window.
class WindowPlacer : public QObject {
    Q_OBJECT
public:
    // `rezoomParts(was, now)` lays the window's parts out again once the fonts are at zoom `now`.
    WindowPlacer(QWidget& window, std::function<void(double was, double now)> rezoomParts);

    double zoom() const { return m_zoom; }
    // Lays everything out at `zoom` (within the steps' range; 1 for what is not a number) and sizes
    // the window to it.
    void setZoom(double zoom);
    // The next zoom larger or smaller, no larger than the screen.
    void stepZoom(int steps);
    // The size, zoom and place the player left the window at, when it fits a screen; else
    // centred at its own size.
    void restorePlace();
    void savePlace() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scaleFonts();
    // The zoom at which the window fits the size the player gave it.
    void followSize();
    // Moves the window, whose frame stands at `frame`, whole onto the screen that holds most of it.
    void keepOnScreen(const QRect& frame);
    // The available room of every screen.
    static QList<QRect> screenRooms();

    QWidget& m_window;
    // The window is built at its own size.
    double m_zoom = 1;
    std::function<void(double, double)> m_rezoomParts;
    QTimer* m_resized;
    QSize m_refusedSize;
};
