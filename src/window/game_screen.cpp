#include "window/game_screen.h"

#include "kit/caption_label.h"
#include "media/sound_interface.h"
#include "window/board_view.h"
#include "window/command_table.h"
#include "window/end_notice.h"
#include "window/hint_keeper.h"
#include "window/layout.h"
#include "window/prompt_fit.h"
#include "window/puzzle_play.h"
#include "window/toolbar.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

namespace {
// A label of the window. Labels show the game's own texts and the start hole read from a moves
// file: never markup.
QLabel* makeLabel(QWidget* form, const char* name, const QString& text = {})
{
    auto* label = new QLabel(form);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    Layout::place(label, name);
    return label;
}
}

GameScreen::GameScreen(QWidget* form, SoundInterface& sound)
    : QObject(form)
    , m_sound(sound)
    , m_prompt(makeLabel(form, "Label1"))
{
    QPalette colours = m_prompt->palette();
    colours.setColor(QPalette::WindowText, QColor(0xff, 0xf1, 0xc2));
    m_prompt->setPalette(colours);
    QFont promptFont(QStringLiteral("Sans Serif"));
    promptFont.setBold(true);
    // The prompt keeps the large face but never runs out of its label.
    m_prompt->setFont(
        PromptFit::fitted(promptFont, QCoreApplication::translate("Game", Game::kStartPrompt), m_prompt->width()));
    // The captions draw in the faces of the prompt and of the window's text, loaded anyway.
    CaptionLabel::shareFace(m_prompt->font());
    CaptionLabel::shareFace(form->font());
    m_counter = makeLabel(form, "Label5", QStringLiteral("0"));
    m_startHole = makeLabel(form, "Label3");
    m_end = new EndNotice(form);
}

void GameScreen::showWith(BoardView& board, Toolbar& toolbar, HintKeeper& hint, CommandTable& commands, PuzzlePlay& puzzle)
{
    m_puzzle = &puzzle;
    m_commands = &commands;
    m_board = &board;
    m_toolbar = &toolbar;
    m_hint = &hint;
}

void GameScreen::hidePanels() { m_toolbar->hidePanels(); }

void GameScreen::show(const Game& game, const MoveOutcome::Holes& holes, bool words)
{
    if (m_hint)
        m_hint->cancel();
    m_board->showHoles(game, holes);
    m_commands->action(CommandTable::Command::Redo)->setEnabled(game.canRedo());
    if (!words)
        return;
    // The game's prompt in the player's language.
    m_prompt->setText(QCoreApplication::translate("Game", game.prompt().c_str()));
    m_counter->setText(QString::fromStdString(game.counter()));
    m_startHole->setText(QString::fromStdString(game.history().startHole()));
    m_end->follow(game);
    m_puzzle->follow(game);
}

void GameScreen::playMoveSound()
{
    // The board shows the jump before the sound starts; the sound holds the window until it has finished.
    m_board->repaint();
    m_prompt->repaint();
    m_sound.playsound();
}
