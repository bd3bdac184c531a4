#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

// With "tick", a timer wakes it once a second and does nothing: the floor of
// a program with a clock.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New game"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(1279, 995);
    window.show();
    QTimer tick;
    if (application.arguments().contains(QStringLiteral("tick")))
        tick.start(1000);
    return application.exec();
}
