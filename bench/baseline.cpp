#include "app/first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

// A bare Qt 6 main window of the game's size, with a menu, a tool bar and a label: what any Qt 6
// widgets program costs to start.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"), &app, &QApplication::quit);
    window.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("New"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt 6 main window")));
    window.setFixedSize(524, 464);
    window.show();
    FirstFrame::report(window);
    return QApplication::exec();
}
