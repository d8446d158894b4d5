#include "app/command_line.h"

#include "app/script_answers.h"
#include "kit/file_store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {
// The same version as the window title and the package.
constexpr const char* kVersionLine = "The Dorv 1.0";

// Options every Qt program takes, handled by the application object; those with a value first.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                       "qwindowicon", "qwindowtitle", "display", "geometry", "title", "icon", "name",
                                       "style", "stylesheet", "session", "qmljsdebugger"};
const char* const kQtFlagOptions[] = {"reverse", "nograb", "dograb", "widgetcount"};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
}

std::optional<int> CommandLine::handle(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = argc > 0 ? QFileInfo(arguments.first()).fileName() : QStringLiteral("dorv");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Peg solitaire: take one ball off the board, then jump balls over their neighbours\n"
                       "until no jump is left. The fewer balls remain, the better the score."));
    // Qt's own options are written with one dash: "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption best(QStringLiteral("best"),
                                  QStringLiteral("Print the best finish of a position (37 characters, 1 a ball, 0 an "
                                                 "empty hole, holes 1 to 37 row by row), a jump that keeps it and "
                                                 "whether it is proven, tab-separated."),
                                  QStringLiteral("position"));
    const QCommandLineOption review(QStringLiteral("review"),
                                    QStringLiteral("Print every move of a moves file (.dvm), tab-separated: its number, "
                                                   "origin-destination, the best finish before it and after it; lines "
                                                   "starting with # are comments."),
                                    QStringLiteral("file"));
    const QCommandLineOption puzzles(QStringLiteral("list-puzzles"),
                                     QStringLiteral("Print the puzzles, one a line, tab-separated: the name, the start "
                                                    "(as for --best), the goal (1: one ball anywhere, 1@N: the last "
                                                    "ball in hole N) and a solution, origin-destination jumps "
                                                    "separated by spaces."));
    parser.addOptions({best, review, puzzles});
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const auto mistake = [&program](const QString& what) {
        print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, what));
        return 2;
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Qt prints the help (with Qt's own options after --help-all) and ends the program with status 0.
        QCoreApplication application(argc, argv);
        parser.process(application);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QString::fromLatin1(kVersionLine) + QLatin1Char('\n'));
        return 0;
    }
    if (parser.isSet(best) || parser.isSet(review) || parser.isSet(puzzles)) {
        ScriptAnswers::Answer answer;
        if (parser.isSet(puzzles)) {
            answer = ScriptAnswers::listPuzzles();
        } else if (parser.isSet(best)) {
            answer = ScriptAnswers::best(parser.value(best).toStdString());
        } else {
            const QString path = parser.value(review);
            QString error;
            if (const auto bytes = FileStore::read(path, &error))
                answer = ScriptAnswers::review(*bytes, path.toStdString());
            else
                answer = {2, {}, QStringLiteral("%1: cannot be read: %2\n").arg(path, error).toStdString()};
        }
        std::fputs(answer.out.c_str(), stdout);
        std::fflush(stdout);
        if (!answer.err.empty())
            print(stderr, QStringLiteral("%1: %2").arg(program, QString::fromStdString(answer.err)));
        return answer.status;
    }
    if (!parser.positionalArguments().isEmpty())
        return mistake(QStringLiteral("The game takes no arguments: '%1'.").arg(parser.positionalArguments().first()));
    return std::nullopt;
}
