#include "app/command_line.h"

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
    if (!parser.positionalArguments().isEmpty())
        return mistake(QStringLiteral("The game takes no arguments: '%1'.").arg(parser.positionalArguments().first()));
    return std::nullopt;
}
