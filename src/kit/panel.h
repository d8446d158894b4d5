#pragma once

#include <QWidget>

// A pop-up panel of the toolbar: a dark plate with a gold edge that holds picture buttons.
// Hidden until its button opens it. A panel of choices marks the one in force with a gold tick
// beside it.
class Panel : public QWidget {
    Q_OBJECT
public:
    Panel(QWidget* parent, const QString& objectName, const QRect& geometry);

    // The dark gold-edged plate of the panels, also behind the hall of fame.
    static void paintPlate(QWidget* widget);

    // Marks `item`, one of the panel's own controls, as the choice in force; none for nullptr.
    void setMarked(QWidget* item);
    QWidget* marked() const { return m_marked; }
    // Where the mark of `item` is drawn, in the panel's pixels: in the room right of the item.
    QRect markRect(const QWidget* item) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_marked = nullptr;
};
