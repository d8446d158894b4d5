#pragma once

#include "support/scripted_prompts.h"

#include "board/jump_table.h"
#include "kit/file_store.h"
#include "kit/game_settings.h"
#include "kit/history_list.h"
#include "kit/picture_control.h"
#include "kit/settings_file.h"
#include "print/qt_moves_printer.h"
#include "window/ball_chooser.h"
#include "window/board_view.h"
#include "window/command_table.h"
#include "window/hint_keeper.h"
#include "window/high_score_window.h"
#include "window/score_keeper.h"
#include "window/file_commands.h"
#include "window/main_window.h"
#include "window/media_switches.h"
#include "window/replay.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

// Runs `answer` on the modal box once it is up, `after` ms from now.
inline void whenModal(const std::function<void(QWidget*)>& answer, int after = 0)
{
    QTimer::singleShot(after, [answer] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        answer(QApplication::activeModalWidget());
    });
}

// The part of type T of a window (its board, its file commands, its hall of fame...).
template <typename T>
T& part(const QWidget& window)
{
    return *window.findChild<T*>();
}

// The built program's folder with the real media, as the test was started with it (a rig points
// the program folder elsewhere).
inline const QString kBuiltProgramFolder = qEnvironmentVariable("DORV_PROGRAM_DIR");

// A main window in a folder of its own (program folder and settings), with scripted prompts,
// a counted move sound, and the end of the process recorded instead of carried out.
struct WindowRig {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CountingSound sound;
    int ended = 0;
    QString pdfPath = file("moves.pdf");
    // When set, the window prints as the program does, through the print module beside it.
    bool modulePrinter = false;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<MainWindow> window;

    WindowRig()
    {
        qputenv("DORV_PROGRAM_DIR", dir.path().toLocal8Bit());
        // The settings keep the folder they found first; every rig gets settings of its own.
        GameSettings::keepFilesIn(GameSettings::Scope::User, file("config"));
    }

    // Starts the program (again): a new window, with the platform's own boxes when `realPrompts`.
    MainWindow& start(bool realPrompts = false)
    {
        window.reset();
        // The settings checked as the program checks them at its start, once for the rig's session.
        if (!settings)
            settings = std::make_unique<SettingsFile>(file("config"));
        const auto printer = [this] {
            auto pdf = std::make_unique<QtMovesPrinter>(std::make_unique<QPrinter>());
            pdf->printer().setOutputFileName(pdfPath); // a ".pdf" name: printed to that file
            return std::unique_ptr<MovesPrinter>(std::move(pdf));
        };
        window = std::make_unique<MainWindow>(
            MainWindow::Services{realPrompts ? nullptr : &prompts, &sound, [this] { ++ended; },
                                 modulePrinter ? std::function<std::unique_ptr<MovesPrinter>()>() : printer});
        return *window;
    }

    const Game& game() const { return window->game(); }
    GameController& controller() const { return window->controller(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    std::string read(const QString& name) const { return FileStore::read(file(name)).value_or("<missing>"); }
    QString write(const QString& name, const std::string& bytes) const
    {
        return FileStore::write(file(name), bytes) ? file(name) : "";
    }
    template <typename T = QWidget>
    T* find(const QString& name) const { return window->findChild<T*>(name); }

    PictureControl* hole(int n) const
    {
        const auto all = window->findChildren<PictureControl*>("Image1");
        return *std::find_if(all.begin(), all.end(), [n](const PictureControl* control) { return control->index() == n; });
    }
    // The holes for which `pick` holds (all by default), as "1 17 19".
    QString holes(const std::function<bool(int)>& pick = [](int) { return true; }) const
    {
        QStringList picked;
        for (int n = 1; n <= kHoleCount; ++n)
            if (pick(n))
                picked << QString::number(n);
        return picked.join(' ');
    }
    // The pop-up panels open now, as "men men1".
    QString openPanels() const
    {
        QStringList open;
        for (const char* name : {"men", "men1", "men2", "men3"})
            if (find(name)->isVisible())
                open << name;
        return open.join(' ');
    }
    QString emptyHoles() const { return holes([this](int n) { return game().board().isEmpty(n); }); }

    // Removes the starting ball from `start` and plays `moves` jumps, each the first legal one of the
    // table (a test with none left ends on the exception of the empty optional).
    void play(int start, int moves) { playJumps(controller(), start, moves); }
    std::optional<JumpTable::Jump> legalJump() const { return firstLegalJump(game().board()); }

    // The first jump of the table that the board allows now.
    static std::optional<JumpTable::Jump> firstLegalJump(const Board& board)
    {
        for (const auto& jump : JumpTable::instance().jumps())
            if (!board.isEmpty(jump.origin) && !board.isEmpty(jump.jumped) && board.isEmpty(jump.destination))
                return jump;
        return std::nullopt;
    }
    // As play(), on any game; a start of 0 removes no ball.
    static void playJumps(GameController& game, int start, int moves)
    {
        game.click(start);
        for (int made = 0; made < moves; ++made) {
            const JumpTable::Jump jump = firstLegalJump(game.game().board()).value();
            game.click(jump.origin);
            game.click(jump.destination);
        }
    }
};
