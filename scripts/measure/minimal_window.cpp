#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New game"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(1279, 995);
    window.show();
    return application.exec();
}
