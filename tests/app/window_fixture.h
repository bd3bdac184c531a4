#pragma once

#include "app/main_window.h"
#include "platform/doubles/fake_card_library.h"
#include "platform/doubles/fake_environment.h"
#include "platform/doubles/manual_clock.h"
#include "platform/doubles/memory_registry.h"
#include "platform/doubles/scripted_message_boxes.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace tavolin::testing {

inline const QString SettingsKey = QStringLiteral("Software\\Projects\\Tavolin 2.2");

// The window on test doubles of every machine service.
class WindowFixture : public ::testing::Test {
protected:
    MemoryRegistry registry;
    ScriptedMessageBoxes messages;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 30, 0))};
    FakeEnvironment environment{QSize(1280, 1024)};
    FakeCardLibrary cards;
    Platform platform{registry, messages, clock, environment, cards};
    std::unique_ptr<TForm1> window;

    void open()
    {
        window = std::make_unique<TForm1>(platform);
        window->show();
        QApplication::processEvents();   // the first idle moment
    }

    void newGame()
    {
        window->NewGame1Click();
        QApplication::processEvents();   // the game's first pass
    }

    QPoint centreOf(int x, int y) const
    {
        return QPoint(x + window->tableLayout().CardWidth / 2, y + window->tableLayout().CardHeight / 2);
    }
};

} // namespace tavolin::testing
