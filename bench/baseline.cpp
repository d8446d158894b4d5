#include <QApplication>
#include <QWidget>

// A plain window of the game's size: what any Qt 6 widgets program costs to start.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline window"));
    window.setFixedSize(524, 464);
    window.show();
    return QApplication::exec();
}
