// The settings store in a process of its own: store_probe FOLDER start|loss
// [fail|stop STEP]. "start" reads the settings as a start does, "loss" then
// records a lost game; each save fails at the SaveStep numbered STEP, or
// the program ends before it. Each message box is printed on a line.
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
    const bool stop = arguments.value(3) == QLatin1String("stop");
    const int step = arguments.size() > 4 ? arguments[4].toInt() : -1;
    QtRegistry registry(arguments.value(1), [stop, step](SaveStep at) {
        if (int(at) == step && stop)
            ::_exit(3);
        return int(at) != step;
    });
    ScriptedMessageBoxes boxes;
    SettingsStore store(registry, boxes);
    Settings settings = store.load({1280, 1024});
    if (arguments.value(2) == QLatin1String("loss")) {
        RunTotals run;
        countLoss(settings, run);
        store.saveStatistics(settings, StatisticsChange::Loss);
    }
    for (const auto& box : boxes.shown())
        std::puts(qPrintable(QString(box.text).replace(u'\n', u' ')));
    return 0;
}
