#include "app/command_line.h"
#include "app/first_frame.h"
#include "kit/game_settings.h"
#include "kit/settings_file.h"
#include "media/audio_output.h"
#include "window/main_window.h"
#include "window/translations.h"

#include <QApplication>
#include <QLocale>

#include <csignal>

int main(int argc, char** argv)
{
    // A write beyond a file-size limit (ulimit -f) fails as any other write does, and is reported;
    // the signal would end the game on the spot.
    std::signal(SIGXFSZ, SIG_IGN);
    // So does a write into a pipe whose reader went away (a sound device writing to one).
    std::signal(SIGPIPE, SIG_IGN);
    if (const std::optional<int> answered = CommandLine::handle(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    GameSettings::nameProgram();
    // The name of the installed menu entry, so the desktop matches the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.thedorv.TheDorv"));
    const SettingsFile settings;
    // The game's texts and Qt's own (the buttons of the boxes, the file and print dialogs) in the
    // player's language.
    Translations::install(QLocale());
    int result = 0;
    {
        MainWindow window;
        window.show();
        FirstFrame::report(window);
        result = QApplication::exec();
    }
    AudioOutput::shutdown();
    return result;
}
