#pragma once

#include <QPixmap>
#include <QWidget>

class QAction;
class QPainter;

// A lightweight picture on its container: shows a picture (or none), optionally stretched to its
// own size, with an optional one-pixel frame (border style 1). Reports mouse down, up, move and
// click, so a picture can act as a button, a hole of the board or a background. A named picture
// is a button for the player: its name is its tool tip and what assistive technology reads. A
// button that shows a command's action triggers it, from the mouse, the keyboard (Tab reaches it,
// Space or Enter triggers it, a ring shows where the keyboard is) or assistive technology.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    // When the mouse triggers a button's action: on a click, or when the button is released
    // wherever it is, once its pressed frame is gone.
    enum class Trigger { OnClick, OnRelease };

    PictureControl(QWidget* parent, const QString& objectName, int index = -1);

    int index() const { return m_index; }

    // An unstretched picture control takes the size of the picture it shows; with no picture it
    // keeps its size and still takes clicks over its whole area.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    // Shows the artwork `name` at `size` (pixels at 100 %; its own size when empty) at the zoom of the
    // window the control is in, and draws it again at that window's zoom of the moment on rezoom().
    // An empty name shows none.
    void setArtwork(QString name, QSize size = {});
    void rezoom();
    bool hasPicture() const { return !m_picture.isNull(); }

    void setStretch(bool stretch);
    // A stand-alone button shows a frame while the mouse button is held on it.
    void frameWhilePressed();
    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }

    // Makes the picture a button named `name` (its tool tip and its accessible name).
    void setButtonName(const QString& name);
    bool isButton() const { return m_button; }
    // Makes the picture the button of `action`, named after it.
    void setAction(QAction* action, Trigger trigger = Trigger::OnClick);
    QAction* action() const { return m_action; }
    // A press from assistive technology: the button's action, or a click on a picture without one.
    void press();

    // The ring that shows where the keyboard is, on a button and on the board.
    static void paintFocusRing(QPainter& painter, const QRectF& ring);

signals:
    void mouseDown();
    void mouseUp();
    void mouseMove();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_index;
    QPixmap m_picture;
    QString m_artwork;
    QSize m_artworkSize;
    bool m_stretch = false;
    int m_borderStyle = 0;
    bool m_pressed = false;
    bool m_button = false;
    QAction* m_action = nullptr;
};
