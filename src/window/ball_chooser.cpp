#include "window/ball_chooser.h"

#include "kit/accessible_controls.h"
#include "kit/caption_label.h"
#include "kit/picture_control.h"
#include "rules/theme_code_words.h"
#include "window/command_table.h"
#include "window/layout.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int kShownChoices = 7;
constexpr int kChoices = 12;
constexpr int kBoards = 3;

// A caption in the chooser's pale gold. Its size is its own font's, not a style's, so that it
// grows with the window's zoom as the other labels do; a text too wide for its room is drawn smaller.
CaptionLabel* caption(QWidget* container, const char* name, const QString& text, qreal pointSize, bool bold)
{
    auto* label = new CaptionLabel(text, container);
    Layout::place(label, name);
    // Coloured by its palette: a style sheet costs start-up time.
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(0xfb, 0xe7, 0xa1));
    label->setPalette(colours);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
}

BallChooser::BallChooser(QWidget* form, const CommandTable& commands)
    : QObject(form)
{
    buildBalls(form, commands);
    buildBoards(form, commands);

    m_codeWord = new QLineEdit(form);
    Layout::place(m_codeWord, "Text1");
    m_codeWord->installEventFilter(this);
    connect(m_codeWord, &QLineEdit::textChanged, this, &BallChooser::Text1_Change);
    m_codeButton = new QPushButton(QStringLiteral("&C"), form);
    Layout::place(m_codeButton, "Command1");
    connect(m_codeButton, &QPushButton::clicked, this, &BallChooser::Command1_Click);
    // The button's own access key would click it only after a short delay, and letters typed
    // meanwhile would be lost: Alt+C acts at once, and every Alt+C starts a new code word.
    m_codeButton->setShortcut(QKeySequence());
    connect(commands.action(CommandTable::Command::CodeWord), &QAction::triggered, this, &BallChooser::Command1_Click);
    // Only Alt+C gives the box the keyboard: Tab passes over both.
    m_codeWord->setFocusPolicy(Qt::ClickFocus);
    m_codeButton->setFocusPolicy(Qt::NoFocus);
    // Out of sight, the box and its button are out of hearing too.
    AccessibleControls::conceal(m_codeWord, tr("Code word"));
    AccessibleControls::conceal(m_codeButton, tr("Code word"));
}

QString BallChooser::ballPictureName(int index) { return QStringLiteral("ball%1").arg(index); }

void BallChooser::buildBalls(QWidget* form, const CommandTable& commands)
{
    auto* chooser = new QWidget(form);
    Layout::place(chooser, "Picture1");
    AccessibleControls::group(chooser, tr("Balls"));
    CaptionLabel* prompt = caption(chooser, "Label2", tr("Select a type of 'balll' or element to play with"), 8, false);
    prompt->setProperty(Layout::kFitsText, true);
    prompt->fitContainer();
    for (int index = 0; index < kChoices; ++index) {
        // Every choice is shown at the chooser's size; the larger globe too.
        PictureControl* choice = Layout::picture(chooser, "Image2", index);
        if (index >= kShownChoices)
            continue;
        choice->setCursor(Qt::PointingHandCursor);
        m_balls[static_cast<std::size_t>(index)] = commands.action(CommandTable::ball(index));
        choice->setAction(m_balls[static_cast<std::size_t>(index)]);
        choice->frameWhilePressed();
        connect(choice->action(), &QAction::triggered, this, [this, index] { Image2_Click(index); });
    }
    Layout::picture(chooser, "ein");
}

void BallChooser::buildBoards(QWidget* form, const CommandTable& commands)
{
    auto* boards = new QWidget(form);
    Layout::place(boards, "Picture3");
    AccessibleControls::group(boards, tr("Boards"));
    caption(boards, "Label4", tr("Chose Board"), 7, true)->setAlignment(Qt::AlignCenter);
    for (int index = 0; index < kBoards; ++index) {
        PictureControl* choice = Layout::picture(boards, "Image23", index);
        choice->setCursor(Qt::PointingHandCursor);
        m_boards[static_cast<std::size_t>(index)] = commands.action(CommandTable::board(index));
        choice->setAction(m_boards[static_cast<std::size_t>(index)]);
        choice->frameWhilePressed();
        connect(choice->action(), &QAction::triggered, this, [this, index] { Image23_Click(index); });
    }
    // The board keys step through the boards, round from the last to the first.
    const auto step = [this](int by) {
        return [this, by] {
            const auto shown = std::find_if(m_boards.begin(), m_boards.end(), [](QAction* board) { return board->isChecked(); });
            Image23_Click((static_cast<int>(shown - m_boards.begin()) + by + kBoards) % kBoards);
        };
    };
    connect(commands.action(CommandTable::Command::NextBoard), &QAction::triggered, this, step(1));
    connect(commands.action(CommandTable::Command::PreviousBoard), &QAction::triggered, this, step(-1));
}

void BallChooser::Image2_Click(int index)
{
    if (index >= 0 && index <= 10)
        emit ballChosen(ballPictureName(index));
}

void BallChooser::ein_Click() { emit ballChosen(QStringLiteral("ein")); }

void BallChooser::Image23_Click(int index)
{
    m_boards.at(static_cast<std::size_t>(index))->setChecked(true);
    emit boardChosen(index);
}

void BallChooser::showBall(const QString& pictureName)
{
    for (int index = 0; index < kShownChoices; ++index)
        m_balls[static_cast<std::size_t>(index)]->setChecked(ballPictureName(index) == pictureName);
}

bool BallChooser::typingCodeWord() const { return m_codeWord->hasFocus(); }

void BallChooser::Command1_Click()
{
    m_codeWord->clear();
    m_codeWord->setFocus(Qt::ShortcutFocusReason);
}

void BallChooser::Text1_Change()
{
    const int picture = ThemeCodeWords::match(m_codeWord->text().toStdString());
    if (picture == ThemeCodeWords::kNoMatch)
        return;
    if (picture == ThemeCodeWords::kEin)
        ein_Click();
    else
        Image2_Click(picture);
    m_codeWord->clear();
}

bool BallChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_codeWord && event->type() == QEvent::FocusIn)
        m_codeWord->clear();
    // The box keeps the letters; the window's Ctrl keys (Ctrl+Z undoes a move) act while it has the focus.
    if (watched == m_codeWord && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::ControlModifier))
        return true;
    return QObject::eventFilter(watched, event);
}
