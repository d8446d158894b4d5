#include "window/moves_window.h"

#include "kit/artwork.h"
#include "kit/moves_printer.h"
#include "kit/prompts.h"
#include "kit/twips.h"
#include "window/file_commands.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

MovesWindow::MovesWindow(const QString& text, MovesPrinter* printer, Prompts* prompts, QWidget* parent, Printing printing)
    : QDialog(parent)
    , m_printer(printer)
    , m_prompts(prompts)
    , m_printing(printing)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Moves"));
    setWindowIcon(QIcon(Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32), 2)));
    setModal(true);
    // At the zoom of the window it is opened from.
    const double zoom = Twips::of(this).zoom();
    resize(QSize(360, 420) * zoom);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(9 * zoom);
    m_text->setFont(fixed);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_text->setPlainText(shown);

    auto* done = new QPushButton(tr("&Done"), this);
    done->setObjectName(QStringLiteral("Command1"));
    auto* print = new QPushButton(tr("&Print"), this);
    print->setObjectName(QStringLiteral("Command2"));
    auto* setup = new QPushButton(tr("&Printer Setup"), this);
    setup->setObjectName(QStringLiteral("Command3"));
    auto* review = new QPushButton(tr("&Review"), this);
    review->setObjectName(QStringLiteral("review"));
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    connect(review, &QPushButton::clicked, this, [this] { QDialog::done(kReview); });
    connect(print, &QPushButton::clicked, this, &MovesWindow::Command2_Click);
    connect(setup, &QPushButton::clicked, this, &MovesWindow::Command3_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(done);
    buttons->addWidget(review);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(setup);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    done->setFocus();
}

QString MovesWindow::text() const { return m_text->toPlainText(); }

bool MovesWindow::havePrinter()
{
    if (m_printer)
        return true;
    m_prompts->message(tr("No printer is available, so the moves cannot be printed.\r\r"
                          "Set up a printer on this computer and try again."),
                       QStringLiteral("The Dorv"), Prompts::Icon::Information);
    return false;
}

void MovesWindow::Command2_Click()
{
    if (!havePrinter() || (m_printing == Printing::ThroughDialog && !m_printer->choose(this, {})))
        return;
    const MovesPrinter::Printout printout =
        m_printer->print((QStringLiteral("\n") + text()).split(QLatin1Char('\n')), m_text->font().family());
    switch (printout.result) {
    case MovesPrinter::Result::Printed: break;
    case MovesPrinter::Result::ForFile:
        FileCommands::writeFile(*m_prompts, printout.file, printout.document.toStdString(), tr("The printed moves"));
        break;
    case MovesPrinter::Result::NotStarted: printFailed(tr("the printer did not start the document.")); break;
    case MovesPrinter::Result::NotWhole: printFailed(tr("the printer did not take the whole document.")); break;
    }
}

void MovesWindow::printFailed(const QString& reason)
{
    m_prompts->message(tr("The moves could not be printed: ") + reason, QStringLiteral("The Dorv"),
                       Prompts::Icon::Critical);
}

void MovesWindow::Command3_Click()
{
    if (havePrinter())
        m_printer->choose(this, QStringLiteral("The Dorv Printer Setup"));
}
