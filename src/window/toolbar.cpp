#include "window/toolbar.h"

#include "kit/panel.h"
#include "kit/picture_control.h"
#include "window/layout.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

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
    return new Panel(form, QString::fromLatin1(name), Layout::rect(Layout::of(name)));
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

Toolbar::Toolbar(QWidget* form)
    : QObject(form)
{
    auto* game = button(form, "Image7");
    auto* moves = button(form, "Image19");
    auto* undoButton = button(form, "Image18");
    auto* highScoresButton = button(form, "Image5");
    buildGamePanel(form);
    buildMovesPanel(form);
    for (PictureControl* pressable : {game, moves, undoButton, highScoresButton})
        pressable->frameWhilePressed();

    connect(game, &PictureControl::clicked, this, [this] {
        m_soundPanel->hide();
        m_musicPanel->hide();
        m_movesPanel->hide();
        m_gamePanel->setVisible(!m_gamePanel->isVisible());
    });
    connect(moves, &PictureControl::mouseDown, this, [this] {
        m_gamePanel->hide();
        m_soundPanel->hide();
        m_musicPanel->hide();
    });
    connect(moves, &PictureControl::clicked, this, [this] { m_movesPanel->setVisible(!m_movesPanel->isVisible()); });
    connect(undoButton, &PictureControl::clicked, this, &Toolbar::undo);
    connect(highScoresButton, &PictureControl::mouseDown, this, &Toolbar::hidePanels);
    // The hall of fame opens on button-up, after the frame is gone, wherever the button is released.
    connect(highScoresButton, &PictureControl::mouseUp, this, &Toolbar::highScores, Qt::QueuedConnection);
    nameButtonsAndAddKeys(form);
}

void Toolbar::nameButtonsAndAddKeys(QWidget* form)
{
    const auto addKey = [this, form](const QString& name, const QKeySequence& keys) {
        auto* action = new QAction(name, form);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        form->addAction(action);
        return action;
    };
    struct Command {
        const char* control;
        const char* name;
        QKeySequence keys;
    };
    const Command commands[] = {
        {"Image7", "Game menu", {}},
        {"Image19", "Moves menu", {}},
        {"Image18", "Undo last move", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"Image5", "High scores", QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"Image8", "New game", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"Image9", "Load game", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Image10", "Save game", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Image11", "Sound", {}},
        {"Image14", "Music", {}},
        {"Image17", "Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Image12", "Sound on", {}},
        {"Image13", "Sound off", {}},
        {"Image15", "Music on", {}},
        {"Image16", "Music off", {}},
        {"Image22", "View the moves", {}},
        {"Image21", "Save moves", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Image20", "Load moves", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
    };
    for (const Command& command : commands) {
        auto* control = form->findChild<PictureControl*>(QString::fromLatin1(command.control));
        control->setButtonName(QString::fromLatin1(command.name));
        if (!command.keys.isEmpty())
            connect(addKey(control->accessibleName(), command.keys), &QAction::triggered, control, &PictureControl::click);
    }
    m_gamePanel->setAccessibleName(QStringLiteral("Game"));
    m_soundPanel->setAccessibleName(QStringLiteral("Sound"));
    m_musicPanel->setAccessibleName(QStringLiteral("Music"));
    m_movesPanel->setAccessibleName(QStringLiteral("Moves"));

    // The two ways of viewing the moves are the items of the `view` menu.
    connect(addKey(QStringLiteral("Replay the moves"), QKeySequence(Qt::CTRL | Qt::Key_R)), &QAction::triggered,
            m_view->findChild<QAction*>(QStringLiteral("vboard")), &QAction::trigger);
    connect(addKey(QStringLiteral("The moves as text"), QKeySequence(Qt::CTRL | Qt::Key_T)), &QAction::triggered,
            m_view->findChild<QAction*>(QStringLiteral("vtext")), &QAction::trigger);
    connect(addKey(QStringLiteral("Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this, &Toolbar::help);
    connect(addKey(QStringLiteral("About"), QKeySequence(Qt::SHIFT | Qt::Key_F1)), &QAction::triggered, this, &Toolbar::about);
    connect(addKey(QStringLiteral("Close panels"), QKeySequence(Qt::Key_Escape)), &QAction::triggered, this, [this] {
        hidePanels();
        emit escape();
    });
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
    }
    auto* quitItem = button(m_gamePanel, "Image17");
    highlightOnHover({newItem, loadItem, saveItem, sound, music, quitItem});

    m_soundPanel = panel(form, "men1");
    auto* soundOn = button(m_soundPanel, "Image12");
    auto* soundOff = button(m_soundPanel, "Image13");
    m_musicPanel = panel(form, "men2");
    auto* musicOn = button(m_musicPanel, "Image15");
    auto* musicOff = button(m_musicPanel, "Image16");
    for (PictureControl* pressable : {soundOn, soundOff, musicOn, musicOff})
        pressable->frameWhilePressed();

    const auto showOnly = [this](Panel* shown) {
        m_soundPanel->setVisible(shown == m_soundPanel);
        m_musicPanel->setVisible(shown == m_musicPanel);
    };
    for (PictureControl* item : {newItem, loadItem, saveItem, quitItem})
        connect(item, &PictureControl::mouseMove, this, [showOnly] { showOnly(nullptr); });
    for (PictureControl* item : {sound, music}) {
        Panel* sub = item == sound ? m_soundPanel : m_musicPanel;
        connect(item, &PictureControl::mouseMove, this, [showOnly, sub] { showOnly(sub); });
        connect(item, &PictureControl::clicked, this, [showOnly, sub] { showOnly(sub); });
    }
    connect(newItem, &PictureControl::clicked, this, [this] {
        emit newGame();
        m_gamePanel->hide();
    });
    connect(loadItem, &PictureControl::clicked, this, [this] {
        m_gamePanel->hide();
        emit loadGame();
    });
    connect(saveItem, &PictureControl::clicked, this, [this] {
        m_gamePanel->hide();
        emit saveGame();
    });
    connect(quitItem, &PictureControl::clicked, this, &Toolbar::quit);
    // A switch closes its panel and GAME's, then takes effect.
    for (auto [item, sub, on] : {std::tuple{soundOn, m_soundPanel, true}, std::tuple{soundOff, m_soundPanel, false},
                                 std::tuple{musicOn, m_musicPanel, true}, std::tuple{musicOff, m_musicPanel, false}})
        connect(item, &PictureControl::clicked, this, [this, sub = sub, on = on] {
            sub->hide();
            m_gamePanel->hide();
            if (sub == m_soundPanel)
                emit soundSwitched(on);
            else
                emit musicSwitched(on);
        });
}

void Toolbar::buildMovesPanel(QWidget* form)
{
    m_movesPanel = panel(form, "men3");
    auto* view = button(m_movesPanel, "Image22");
    auto* saveItem = button(m_movesPanel, "Image21");
    auto* loadItem = button(m_movesPanel, "Image20");
    highlightOnHover({loadItem, saveItem, view});

    m_view = new QMenu(QStringLiteral("view"), form);
    m_view->setObjectName(QStringLiteral("view"));
    QAction* vboard = m_view->addAction(QStringLiteral("&View moves been played on the board"));
    vboard->setObjectName(QStringLiteral("vboard"));
    QAction* vtext = m_view->addAction(QStringLiteral("&View the moves played in text mode"));
    vtext->setObjectName(QStringLiteral("vtext"));
    connect(vboard, &QAction::triggered, this, [this] {
        emit viewOnBoard();
        m_movesPanel->hide();
    });
    connect(vtext, &QAction::triggered, this, [this] {
        emit viewAsText();
        m_movesPanel->hide();
    });
    connect(view, &PictureControl::clicked, this, [this] { m_view->popup(QCursor::pos()); });
    connect(saveItem, &PictureControl::clicked, this, [this] {
        m_movesPanel->hide();
        emit saveMoves();
    });
    connect(loadItem, &PictureControl::clicked, this, [this] {
        m_movesPanel->hide();
        emit loadMoves();
    });
}

void Toolbar::hidePanels()
{
    m_soundPanel->hide();
    m_gamePanel->hide();
    m_musicPanel->hide();
    m_movesPanel->hide();
}
