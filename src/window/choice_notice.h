#pragma once

#include <QObject>

class CommandTable;
class QLabel;
class QTimer;
class QWidget;

// Says for a moment, below the board between the Moves and High Scores buttons, which way a switch
// or a choice now stands ("Sound off", "Music on", the ball's or the board's name), so a key that
// changes it with the panels closed leaves a sign on the screen; a screen reader hears it as an
// alert. Changes made before the window is shown (the stored switches) pass unsaid.
class ChoiceNotice : public QObject {
    Q_OBJECT
public:
    static constexpr int kShownMs = 2500;

    ChoiceNotice(QWidget* form, const CommandTable& commands);

    void say(const QString& text);

private:
    QLabel* m_label;
    QTimer* m_hide;
};
