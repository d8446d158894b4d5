#pragma once

#include <QDialog>

class QWidget;

// The help window (F1): how to play, how the score counts, and the commands with their keys; its
// About button opens the About box (also Shift+F1).
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The About box: the program and its version, the licence and the credits.
    static void about(QWidget* parent);
};
