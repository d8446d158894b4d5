#pragma once

#include <QDialog>

class Prompts;
class QPlainTextEdit;
class QPrinter;

// The "Moves" window: the moves as text in a fixed-pitch box, with Done, Print and Printer Setup.
// Built afresh each time it is shown; nothing of it survives its closing.
class MovesWindow : public QDialog {
    Q_OBJECT
public:
    // `printer` is the program's printer, kept between showings so that the setup applies to later
    // printing; none when no printer is available.
    MovesWindow(const QString& text, QPrinter* printer, Prompts* prompts, QWidget* parent = nullptr);

    QString text() const;
    // Prints an empty line, then the box's current text, as one finished document.
    void Command2_Click();
    void Command3_Click();

private:
    bool havePrinter();

    QPlainTextEdit* m_text;
    QPrinter* m_printer;
    Prompts* m_prompts;
};
