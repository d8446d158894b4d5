#include "media/audio_output.h"
#include "window/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("The Dorv"));
    QApplication::setApplicationName(QStringLiteral("The Dorv"));
    // Qt's own texts (the buttons of the boxes, the file and print dialogs) in the player's
    // language; the game's texts are its own and stay as they are.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    int result = 0;
    {
        MainWindow window;
        window.show();
        result = QApplication::exec();
    }
    AudioOutput::shutdown();
    return result;
}
