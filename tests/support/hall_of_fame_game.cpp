// A game in a process of its own, for the tests of games that write the hall of fame at once.
// "hall_of_fame_game NAME JUMPS" plays JUMPS jumps from hole 19, quits and enters NAME for the place
// won. It waits for no lock: asked whether to try the busy hall of fame again, it writes "busy" on
// its output the first time and answers the line it reads next ("yes" or "no"), and Yes after that.
// "hall_of_fame_game --hold LOCKFILE" takes that lock, writes "held" and waits to be killed.
#include "support/window_rig.h"
#include "window/score_keeper.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto say = [](const char* line) {
        std::puts(line);
        std::fflush(stdout);
    };
    if (arguments.value(1) == "--hold") {
        QLockFile lock(arguments.value(2));
        if (!lock.lock())
            return 1;
        say("held");
        for (;;)
            ::pause();
    }
    ScriptedPrompts prompts;
    CountingSound sound;
    prompts.texts << arguments.value(1);
    qsizetype answered = 0;
    prompts.onAsk = [&] {
        const qsizetype asked = prompts.asked.value("yesno").size();
        if (asked == answered)
            return;
        answered = asked;
        std::string line = "yes";
        if (asked == 1) {
            say("busy");
            std::getline(std::cin, line);
        }
        prompts.answers << (line == "yes");
    };
    MainWindow window(MainWindow::Services{&prompts, &sound, [] { QCoreApplication::exit(0); }, nullptr});
    part<ScoreKeeper>(window).setLockWait(std::chrono::milliseconds(0));
    WindowRig::playJumps(window.controller(), 19, arguments.value(2).toInt());
    window.quit();
    return part<ScoreKeeper>(window).ended() ? 0 : QApplication::exec();
}
