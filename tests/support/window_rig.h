#pragma once

#include "support/scripted_prompts.h"

#include "board/jump_table.h"
#include "window/main_window.h"
#include "window/picture_control.h"

#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A main window in a folder of its own (program folder and settings), with scripted prompts,
// a counted move sound, and the end of the process recorded instead of carried out.
struct WindowRig {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CountingSound sound;
    int ended = 0;
    QString pdfPath;
    std::unique_ptr<MainWindow> window;

    // The build's program folder, with the real sound.dat and Music.dat.
    QString builtProgramFolder = qEnvironmentVariable("DORV_BUILT_PROGRAM_DIR", qEnvironmentVariable("DORV_PROGRAM_DIR"));

    WindowRig()
    {
        qputenv("DORV_BUILT_PROGRAM_DIR", builtProgramFolder.toLocal8Bit());
        qputenv("DORV_PROGRAM_DIR", dir.path().toLocal8Bit());
        // QSettings keeps the folder it found first; every rig gets settings of its own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
        pdfPath = dir.filePath(QStringLiteral("moves.pdf"));
    }

    MainWindow& start()
    {
        window.reset();
        MainWindow::Services services;
        services.prompts = &prompts;
        services.sound = &sound;
        services.endProcess = [this] { ++ended; };
        services.printer = [this] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            return printer;
        };
        window = std::make_unique<MainWindow>(services);
        return *window;
    }

    Game& game() { return window->game(); }
    QString file(const QString& name) const { return dir.filePath(name); }

    template <typename T = QWidget>
    T* find(const QString& name) const { return window->findChild<T*>(name); }

    PictureControl* hole(int n) const
    {
        for (PictureControl* control : window->findChildren<PictureControl*>(QStringLiteral("Image1")))
            if (control->index() == n)
                return control;
        return nullptr;
    }

    // Removes the starting ball from `start` and plays `moves` legal jumps, each the first one the
    // jump table offers on the current board.
    void play(int start, int moves)
    {
        game().Image1_Click(start);
        for (int made = 0; made < moves; ++made) {
            const auto jump = legalJump();
            QVERIFY2(jump, "no jump left on the board");
            game().Image1_Click(jump->origin);
            game().Image1_Click(jump->destination);
        }
    }

    // The first jump of the table that the board allows now.
    std::optional<JumpTable::Jump> legalJump()
    {
        for (const auto& jump : JumpTable::instance().jumps()) {
            const Board& board = game().board();
            if (!board.isEmpty(jump.origin) && !board.isEmpty(jump.jumped) && board.isEmpty(jump.destination))
                return jump;
        }
        return std::nullopt;
    }
};
