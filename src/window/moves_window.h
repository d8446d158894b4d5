#pragma once

#include <QDialog>

class MovesPrinter;
class Prompts;
class QPlainTextEdit;

// The "Moves" window: the moves as text in a fixed-pitch box, with Done, Review, Print and Printer
// Setup.
// Built afresh each time it is shown; nothing of it survives its closing.
class MovesWindow : public QDialog {
    Q_OBJECT
public:
    // How Print reaches the printer.
    // What exec() returns when the player asked for the review of the game.
    static constexpr int kReview = 2;
    enum class Printing {
        Straight,      // to the printer as it is set up (a printer the program was given)
        ThroughDialog, // through the print dialog: the player picks a printer, or a PDF file
    };
    // `printer` is the program's printer, kept between showings so that the setup applies to later
    // printing; none when there is no way to print at all.
    MovesWindow(const QString& text, MovesPrinter* printer, Prompts* prompts, QWidget* parent = nullptr,
                Printing printing = Printing::Straight);

    QString text() const;
    // Prints an empty line, then the box's current text, as one finished document (after the
    // print dialog, when printing goes through it); a print that fails is told.
    void Command2_Click();
    // The print dialog, to set up the printer for later printing.
    void Command3_Click();

private:
    bool havePrinter();
    void printFailed(const QString& reason);

    QPlainTextEdit* m_text;
    MovesPrinter* m_printer;
    Prompts* m_prompts;
    Printing m_printing;
};
