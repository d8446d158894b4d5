#pragma once

#include <QWidget>

// A pop-up panel of the toolbar: a dark plate with a gold edge that holds picture buttons.
// Hidden until its button opens it.
class Panel : public QWidget {
    Q_OBJECT
public:
    Panel(QWidget* parent, const QString& objectName, const QRect& geometry);

    // The dark gold-edged plate of the panels, also behind the hall of fame.
    static void paintPlate(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;
};
