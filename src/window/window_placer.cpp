#include "window/window_placer.h"

#include "kit/twips.h"
#include "window/layout.h"
#include "window/window_zoom.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

WindowPlacer::WindowPlacer(QWidget& window, std::function<void(double, double)> rezoomParts)
    : QObject(&window)
    , m_window(window)
    , m_rezoomParts(std::move(rezoomParts))
    , m_resized(new QTimer(this))
{
    // The window can be resized, and its zoom follows once the resizing pauses.
    m_window.setMinimumSize(WindowZoom::ownSize() * WindowZoom::kSmallest);
    m_window.resize(WindowZoom::ownSize());
    m_resized->setSingleShot(true);
    m_resized->setInterval(150);
    connect(m_resized, &QTimer::timeout, this, &WindowPlacer::followSize);
    m_window.installEventFilter(this);
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return false;
    // The window's frame is known once it is shown: the place restored before fits it then.
    if (event->type() == QEvent::Show && !event->spontaneous())
        keepOnScreen(m_window.frameGeometry());
    if (event->type() == QEvent::Resize && m_window.size() != Layout::rect(Layout::of("Form1"), Twips(m_zoom)).size())
        m_resized->start();
    return false;
}

void WindowPlacer::stepZoom(int steps)
{
    // To the next zoom of the list that way, the largest the window's screen allows at most.
    const QRect frame = m_window.frameGeometry();
    const QRect room = WindowZoom::roomOf(frame, screenRooms());
    setZoom(WindowZoom::stepped(zoom(), steps, WindowZoom::largest(room.size() - (frame.size() - m_window.size()))));
}

void WindowPlacer::setZoom(double zoom)
{
    zoom = std::clamp(std::isfinite(zoom) ? zoom : 1.0, WindowZoom::kSmallest, WindowZoom::kLargest);
    const double was = m_zoom;
    if (std::abs(zoom - was) > 0.0001) {
        m_zoom = zoom;
        Twips::setZoom(m_window, zoom);
        scaleFonts();
        m_rezoomParts(was, zoom);
    }
    // A shown window grows from its corner, but never off the screen it stands on while it fits there.
    const QSize frame = m_window.frameGeometry().size() - m_window.size();
    m_window.resize(Layout::rect(Layout::of("Form1"), Twips(m_zoom)).size());
    if (m_window.isVisible()) {
        keepOnScreen(QRect(m_window.pos(), m_window.size() + frame));
        // Kept at once, not only when the window goes: a game that is killed still opens at this zoom.
        savePlace();
    }
}

void WindowPlacer::keepOnScreen(const QRect& frame)
{
    m_window.move(WindowZoom::keptIn(frame, WindowZoom::roomOf(frame, screenRooms())).topLeft());
}

QList<QRect> WindowPlacer::screenRooms()
{
    QList<QRect> rooms;
    for (const QScreen* screen : QGuiApplication::screens())
        rooms << screen->availableGeometry();
    return rooms;
}

void WindowPlacer::scaleFonts()
{
    // Every font at its size at 100 % times the zoom: the window's, those of the controls with a
    // size of their own (the others take the window's), and the hall of fame's, a window of its own
    // that takes no font from this one.
    const char* const kOwnSize = "pointsAt100";
    for (QWidget* widget : m_window.findChildren<QWidget*>()) {
        const bool ownSize = widget->testAttribute(Qt::WA_SetFont) && (widget->font().resolveMask() & QFont::SizeResolved);
        if (!ownSize && !widget->isWindow())
            continue;
        if (!widget->property(kOwnSize).isValid())
            widget->setProperty(kOwnSize, widget->font().pointSizeF());
        QFont font = widget->font();
        font.setPointSizeF(widget->property(kOwnSize).toDouble() * m_zoom);
        widget->setFont(font);
    }
    QFont font = QApplication::font(&m_window);
    font.setPointSizeF(font.pointSizeF() * m_zoom);
    m_window.setFont(font);
}

void WindowPlacer::followSize()
{
    // A window manager that keeps a size of its own has the last word.
    if (m_window.size() == m_refusedSize)
        return;
    m_refusedSize = m_window.size();
    setZoom(WindowZoom::fitting(m_window.size()));
}

void WindowPlacer::restorePlace()
{
    const WindowZoom::Place saved = WindowZoom::saved();
    const QList<QRect> rooms = screenRooms();
    if (saved.zoom) {
        const QSize zoomed = (QSizeF(WindowZoom::ownSize()) * *saved.zoom).toSize();
        if (std::any_of(rooms.begin(), rooms.end(), [&](const QRect& room) { return room.width() >= zoomed.width() && room.height() >= zoomed.height(); }))
            setZoom(*saved.zoom);
    }
    // A place partly off its screen (a smaller screen now, or one taken away) comes back whole on
    // the screen that holds most of it; a place on no screen at all, centred on the first.
    const QRect frame(saved.position.value_or(QPoint()), m_window.frameGeometry().size());
    const QRect room = WindowZoom::roomOf(frame, rooms);
    if (saved.position && room.intersects(frame))
        m_window.move(WindowZoom::keptIn(frame, room).topLeft());
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_window.move(screen->availableGeometry().center() - QPoint(m_window.width() / 2, m_window.height() / 2));
}

void WindowPlacer::savePlace() const { WindowZoom::save(zoom(), m_window.pos(), m_window.size()); }
