#include "app/first_frame.h"
#include "media/audio_output.h"
#include "window/main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("The Dorv"));
    QApplication::setApplicationName(QStringLiteral("The Dorv"));
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
