#include "kit/picture_control.h"

#include "kit/accessible_controls.h"

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
    m_picture = picture;
    if (!m_stretch && !picture.isNull())
        resize(picture.deviceIndependentSize().toSize());
    update();
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

void PictureControl::click()
{
    QPointer<PictureControl> alive(this);
    emit mouseDown();
    if (alive)
        emit mouseUp();
    if (alive)
        emit clicked();
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
