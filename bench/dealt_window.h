#pragma once

#include "app/main_window.h"
#include "platform/doubles/fake_environment.h"
#include "platform/doubles/manual_clock.h"
#include "platform/doubles/memory_registry.h"
#include "platform/doubles/scripted_message_boxes.h"
#include "platform/qt_card_library.h"
#include "view/table_view.h"

#include <QApplication>

#include <initializer_list>
#include <memory>
#include <utility>

namespace tavolin {

// The game's window as a fresh configuration opens it on a screen of the
// given size (1280 × 1024 gives 1279 × 995), with the real card library and
// a dealt game; the clock does not really sleep. `stored` are further
// values of the settings file, by name.
struct DealtWindow {
    explicit DealtWindow(bool smallCards, QSize screen = {1280, 1024},
                         std::initializer_list<std::pair<const char*, int>> stored = {})
    {
        environment.setScreenResolution(screen);
        const QString key = QStringLiteral("Software\\Projects\\Tavolin 2.2");
        registry.set(key, QStringLiteral("OrigCardSize"), smallCards ? 1 : 0);
        for (const auto& [name, value] : stored)
            registry.set(key, QString::fromLatin1(name), value);
        window = std::make_unique<TForm1>(platform);
        window->show();
        QApplication::processEvents();
        window->NewGame1Click();
        QApplication::processEvents();
    }

    TableView& table() const { return *static_cast<TableView*>(window->centralWidget()); }
    Game& game() const { return window->game(); }

    MemoryRegistry registry;
    ScriptedMessageBoxes messages;
    ManualClock clock;
    FakeEnvironment environment{QSize(1280, 1024)};
    QtCardLibrary cards;
    Platform platform{registry, messages, clock, environment, cards};
    std::unique_ptr<TForm1> window;
};

} // namespace tavolin
