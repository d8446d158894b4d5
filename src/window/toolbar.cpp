#include "window/toolbar.h"

#include "kit/accessible_controls.h"
#include "kit/panel.h"
#include "kit/picture_control.h"
#include "kit/twips.h"
#include "window/command_table.h"
#include "window/layout.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>

#include <tuple>
#include <vector>

namespace {
PictureControl* button(QWidget* container, const char* name)
{
    PictureControl* control = Layout::picture(container, name);
    control->setCursor(Qt::PointingHandCursor);
    return control;
}

Panel* panel(QWidget* form, const char* name)
{
    return new Panel(form, QString::fromLatin1(name), Layout::rect(Layout::of(name), Twips::of(form)));
}

// Panel items show a frame while the pointer was last over them, until another item of the panel is.
void highlightOnHover(const std::vector<PictureControl*>& items)
{
    for (PictureControl* item : items)
        QObject::connect(item, &PictureControl::mouseMove, item, [item, items] {
            for (PictureControl* other : items)
                other->setBorderStyle(other == item ? 1 : 0);
        });
}
}

template <typename Run>
void Toolbar::command(PictureControl* button, Command id, Run run)
{
    QAction* action = m_commands.action(id);
    button->setAction(action);
    connect(action, &QAction::triggered, this, run);
}

Toolbar::Toolbar(QWidget* form, const CommandTable& commands)
    : QObject(form)
    , m_commands(commands)
    , m_view(commands.viewMenu())
{
    auto* game = button(form, "Image7");
    auto* moves = button(form, "Image19");
    auto* undoButton = button(form, "Image18");
    auto* highScoresButton = button(form, "Image5");
    buildGamePanel(form);
    buildMovesPanel(form);
    for (PictureControl* pressable : {game, moves, undoButton, highScoresButton})
        pressable->frameWhilePressed();

    command(game, Command::GameMenu, [this] {
        m_soundPanel->hide();
        m_musicPanel->hide();
        m_movesPanel->hide();
        m_gamePanel->setVisible(!m_gamePanel->isVisible());
    });
    connect(moves, &PictureControl::mouseDown, this, &Toolbar::hideGamePanels);
    command(moves, Command::MovesMenu, [this] {
        hideGamePanels();
        m_movesPanel->setVisible(!m_movesPanel->isVisible());
    });
    command(undoButton, Command::Undo, [this] { emit undo(); });
    connect(highScoresButton, &PictureControl::mouseDown, this, &Toolbar::hidePanels);
    // The hall of fame opens on button-up, after the frame is gone, wherever the button is released.
    highScoresButton->setAction(commands.action(Command::HighScores), PictureControl::Trigger::OnRelease);
    connect(commands.action(Command::HighScores), &QAction::triggered, this, [this] {
        hidePanels();
        emit highScores();
    });

    m_gamePanel->setAccessibleName(tr("Game"));
    m_soundPanel->setAccessibleName(tr("Sound"));
    m_musicPanel->setAccessibleName(tr("Music"));
    m_movesPanel->setAccessibleName(tr("Moves"));
    m_openers = {{m_gamePanel, game},
                 {m_soundPanel, m_gamePanel->findChild<PictureControl*>(QStringLiteral("Image11"))},
                 {m_musicPanel, m_gamePanel->findChild<PictureControl*>(QStringLiteral("Image14"))},
                 {m_movesPanel, moves}};
    for (Panel* closing : {m_gamePanel, m_soundPanel, m_musicPanel, m_movesPanel})
        closing->installEventFilter(this);
}

void Toolbar::buildGamePanel(QWidget* form)
{
    m_gamePanel = panel(form, "men");
    auto* newItem = button(m_gamePanel, "Image8");
    auto* loadItem = button(m_gamePanel, "Image9");
    auto* saveItem = button(m_gamePanel, "Image10");
    auto* sound = button(m_gamePanel, "Image11");
    auto* music = button(m_gamePanel, "Image14");
    for (const char* name : {"Line1", "Line2"}) {
        auto* line = new QWidget(m_gamePanel);
        Layout::place(line, name);
        line->setAutoFillBackground(true);
        line->setPalette(QPalette(QColor(201, 154, 46)));
        AccessibleControls::decoration(line);
    }
    auto* quitItem = button(m_gamePanel, "Image17");
    highlightOnHover({newItem, loadItem, saveItem, sound, music, quitItem});
    buildSwitchPanels(form);

    const auto showOnly = [this](Panel* shown) {
        m_soundPanel->setVisible(shown == m_soundPanel);
        m_musicPanel->setVisible(shown == m_musicPanel);
    };
    for (PictureControl* item : {newItem, loadItem, saveItem, quitItem})
        connect(item, &PictureControl::mouseMove, this, [showOnly] { showOnly(nullptr); });
    for (PictureControl* item : {sound, music}) {
        Panel* sub = item == sound ? m_soundPanel : m_musicPanel;
        connect(item, &PictureControl::mouseMove, this, [showOnly, sub] { showOnly(sub); });
        command(item, item == sound ? Command::SoundMenu : Command::MusicMenu, [showOnly, sub] { showOnly(sub); });
    }
    command(newItem, Command::NewGame, [this] {
        emit newGame();
        m_gamePanel->hide();
    });
    command(loadItem, Command::LoadGame, [this] {
        m_gamePanel->hide();
        emit loadGame();
    });
    command(saveItem, Command::SaveGame, [this] {
        m_gamePanel->hide();
        emit saveGame();
    });
    command(quitItem, Command::Quit, [this] { emit quit(); });
}

void Toolbar::buildSwitchPanels(QWidget* form)
{
    m_soundPanel = panel(form, "men1");
    auto* soundOn = button(m_soundPanel, "Image12");
    auto* soundOff = button(m_soundPanel, "Image13");
    m_musicPanel = panel(form, "men2");
    auto* musicOn = button(m_musicPanel, "Image15");
    auto* musicOff = button(m_musicPanel, "Image16");
    for (PictureControl* pressable : {soundOn, soundOff, musicOn, musicOff})
        pressable->frameWhilePressed();

    // A switch closes its panel and GAME's, then takes effect.
    const auto switchTo = [this](Panel* sub, bool on) {
        return [this, sub, on] {
            sub->hide();
            m_gamePanel->hide();
            if (sub == m_soundPanel)
                emit soundSwitched(on);
            else
                emit musicSwitched(on);
        };
    };
    command(soundOn, Command::SoundOn, switchTo(m_soundPanel, true));
    command(soundOff, Command::SoundOff, switchTo(m_soundPanel, false));
    command(musicOn, Command::MusicOn, switchTo(m_musicPanel, true));
    command(musicOff, Command::MusicOff, switchTo(m_musicPanel, false));
    // Each panel marks the way its switch stands.
    for (PictureControl* item : {soundOn, soundOff, musicOn, musicOff}) {
        auto* sub = static_cast<Panel*>(item->parentWidget());
        const auto follow = [sub, item] {
            if (item->action()->isChecked())
                sub->setMarked(item);
        };
        connect(item->action(), &QAction::toggled, sub, follow);
        follow();
    }
    // The key of the sound or the music switches it the other way, as its On or Off button does.
    for (const auto& [which, turnOn, turnOff] : {std::tuple{Command::Sound, Command::SoundOn, Command::SoundOff},
                                                std::tuple{Command::Music, Command::MusicOn, Command::MusicOff}}) {
        QAction* on = m_commands.action(turnOn);
        QAction* off = m_commands.action(turnOff);
        connect(m_commands.action(which), &QAction::triggered, this, [on, off] { (on->isChecked() ? off : on)->trigger(); });
    }
}

void Toolbar::buildMovesPanel(QWidget* form)
{
    m_movesPanel = panel(form, "men3");
    auto* view = button(m_movesPanel, "Image22");
    auto* saveItem = button(m_movesPanel, "Image21");
    auto* loadItem = button(m_movesPanel, "Image20");
    highlightOnHover({loadItem, saveItem, view});

    connect(m_commands.action(Command::ViewOnBoard), &QAction::triggered, this, [this] {
        emit viewOnBoard();
        m_movesPanel->hide();
    });
    connect(m_commands.action(Command::ViewAsText), &QAction::triggered, this, [this] {
        emit viewAsText();
        m_movesPanel->hide();
    });
    // The menu pops up at the pointer; from the keyboard, under its button with its first entry chosen.
    command(view, Command::ViewMoves, [this, view] {
        if (!view->hasFocus()) {
            m_view->popup(QCursor::pos());
            return;
        }
        m_view->popup(view->mapToGlobal(QPoint(0, view->height())));
        m_view->setActiveAction(m_view->actions().value(0));
    });
    command(saveItem, Command::SaveMoves, [this] {
        m_movesPanel->hide();
        emit saveMoves();
    });
    command(loadItem, Command::LoadMoves, [this] {
        m_movesPanel->hide();
        emit loadMoves();
    });
}

void Toolbar::hideGamePanels()
{
    m_gamePanel->hide();
    m_soundPanel->hide();
    m_musicPanel->hide();
}

void Toolbar::hidePanels()
{
    m_soundPanel->hide();
    m_gamePanel->hide();
    m_musicPanel->hide();
    m_movesPanel->hide();
}

bool Toolbar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Hide || event->spontaneous())
        return false;
    auto* closing = static_cast<QWidget*>(watched);
    QWidget* focus = closing->window()->focusWidget();
    if (!focus || !closing->isAncestorOf(focus))
        return false;
    // Up to the first opener still in sight: a sub-panel's opener may be closing with its panel.
    PictureControl* opener = m_openers.value(closing);
    while (opener && !opener->isVisible())
        opener = m_openers.value(opener->parentWidget());
    if (opener)
        opener->setFocus(Qt::OtherFocusReason);
    return false;
}
