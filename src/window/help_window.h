#pragma once

#include <QDialog>

class CommandTable;
class QWidget;

// The help window (F1): how to play, how the score counts, and every key of the window with what
// it does, read from the commands; its About button opens the About box (also Shift+F1).
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const CommandTable& commands, QWidget* parent = nullptr);

    // The About box: the program and its version, the licence and the credits.
    static void about(QWidget* parent);
};
