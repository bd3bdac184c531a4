// The settings store in a process of its own, for tests that must outlive
// it hanging or dying:
//   store_probe FOLDER start|loss [STEP]
// "start" reads the settings as the game's start does, "loss" then records a
// lost game. With STEP (a SaveStep's number) the program ends at once,
// before that step of its first save. Each message box is printed on a line.
#include "platform/doubles/scripted_message_boxes.h"
#include "platform/qt_registry.h"
#include "settings/settings_store.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    using namespace tavolin;
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3)
        return 2;
    SaveStepCheck check;
    if (arguments.size() > 3) {
        check = [stop = arguments[3].toInt()](SaveStep step) {
            if (int(step) == stop)
                ::_exit(3);
            return true;
        };
    }
    QtRegistry registry(arguments[1], check);
    ScriptedMessageBoxes boxes;
    SettingsStore store(registry, boxes);
    Settings settings = store.load({1280, 1024});
    if (arguments[2] == QLatin1String("loss")) {
        RunTotals run;
        countLoss(settings, run);
        store.saveStatistics(settings, StatisticsChange::Loss);
    }
    for (const auto& box : boxes.shown())
        std::puts(qPrintable(QString(box.text).replace(u'\n', u' ')));
    return 0;
}
