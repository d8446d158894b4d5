#include "kit/picture_control.h"

#include "kit/accessible_controls.h"
#include "kit/artwork.h"
#include "kit/twips.h"

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

PictureControl::PictureControl(QWidget* parent, const QString& objectName, int index)
    : QWidget(parent)
    , m_index(index)
{
    setObjectName(objectName);
    setMouseTracking(true);
    AccessibleControls::install();
}

void PictureControl::setPicture(const QPixmap& picture)
{
    m_artwork.clear();
    m_picture = picture;
    if (!m_stretch && !picture.isNull())
        resize(picture.deviceIndependentSize().toSize());
    update();
}

void PictureControl::setArtwork(QString name, QSize size)
{
    // By value: rezoom() passes the name this control keeps, which setPicture() clears.
    setPicture(name.isEmpty() ? QPixmap() : Artwork::pixmap(name, size, Artwork::kScreenRatio, Twips::of(this).zoom()));
    m_artwork = name;
    m_artworkSize = size;
}

void PictureControl::rezoom()
{
    if (!m_artwork.isEmpty())
        setArtwork(m_artwork, m_artworkSize);
}

void PictureControl::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void PictureControl::frameWhilePressed()
{
    connect(this, &PictureControl::mouseDown, this, [this] { setBorderStyle(1); });
    connect(this, &PictureControl::mouseUp, this, [this] { setBorderStyle(0); });
}

void PictureControl::setBorderStyle(int style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void PictureControl::setButtonName(const QString& name)
{
    m_button = true;
    if (name == accessibleName())
        return;
    setAccessibleName(name);
    setToolTip(name);
}

void PictureControl::setAction(QAction* action, Trigger trigger)
{
    m_action = action;
    setButtonName(action->iconText());
    setFocusPolicy(Qt::TabFocus);
    if (trigger == Trigger::OnClick)
        connect(this, &PictureControl::clicked, action, &QAction::trigger);
    else
        connect(this, &PictureControl::mouseUp, action, &QAction::trigger, Qt::QueuedConnection);
    // Assistive technology hears a switch or a choice change.
    connect(action, &QAction::toggled, this, [this] {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    });
}

void PictureControl::press()
{
    if (m_action)
        m_action->trigger();
    else
        emit clicked();
}

void PictureControl::paintFocusRing(QPainter& painter, const QRectF& ring)
{
    // A thick rounded ring, light blue on a dark edge, so that it shows on every picture and never
    // looks like the thin gold frame of a pressed button or a picked-up ball.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(10, 20, 40), 5));
    painter.drawRoundedRect(ring, 7, 7);
    painter.setPen(QPen(QColor(80, 210, 255), 3));
    painter.drawRoundedRect(ring, 7, 7);
    painter.restore();
}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_stretch);
        if (m_stretch)
            painter.drawPixmap(rect(), m_picture);
        else
            painter.drawPixmap(0, 0, m_picture);
    }
    if (m_borderStyle == 1) {
        painter.setPen(QPen(QColor(255, 226, 120), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus())
        paintFocusRing(painter, QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    emit mouseDown();
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    // The button-up goes to the control that took the button-down, wherever it is released;
    // a click needs the release over the control.
    const bool inside = rect().contains(event->position().toPoint());
    QPointer<PictureControl> alive(this);
    emit mouseUp();
    if (inside && alive)
        emit clicked();
}

void PictureControl::mouseMoveEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit mouseMove();
}

void PictureControl::keyPressEvent(QKeyEvent* event)
{
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!m_action || !pressKey || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat())
        m_action->trigger();
}

void PictureControl::focusInEvent(QFocusEvent*) { update(); }

void PictureControl::focusOutEvent(QFocusEvent*) { update(); }
