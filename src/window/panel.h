#pragma once

#include <QWidget>

// A pop-up panel of the toolbar: a dark plate with a gold edge that holds picture buttons.
class Panel : public QWidget {
    Q_OBJECT
public:
    Panel(QWidget* parent, const QString& objectName);

protected:
    void paintEvent(QPaintEvent* event) override;
};
