#pragma once

#include "platform/doubles/fake_card_library.h"
#include "platform/doubles/fake_environment.h"
#include "platform/doubles/manual_clock.h"
#include "platform/doubles/memory_registry.h"
#include "platform/doubles/scripted_message_boxes.h"
#include "platform/platform.h"

namespace tavolin::testing {

inline const QString StoreKey = QStringLiteral("Software\\Projects\\Tavolin 2.2");

// Test doubles of every machine service the main window uses, on a
// 1280 x 1024 screen on a December morning.
template <typename Boxes = ScriptedMessageBoxes>
struct WindowDoubles {
    MemoryRegistry registry;
    Boxes messages;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 30, 0))};
    FakeEnvironment environment{QSize(1280, 1024)};
    FakeCardLibrary cards;
    Platform platform{registry, messages, clock, environment, cards};
};

} // namespace tavolin::testing
