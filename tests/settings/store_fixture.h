#pragma once

#include "platform/doubles/memory_registry.h"
#include "platform/doubles/scripted_message_boxes.h"
#include "settings/settings_store.h"
#include "settings_printer.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavolin {

inline const QString StoreKey = QStringLiteral("Software\\Projects\\Tavolin 2.2");

using StoredValue = std::pair<QString, MemoryRegistry::Value>;

// The 21 values of a first run on a 1280 x 1024 screen, in table order, and
// the one beside them.
inline std::vector<StoredValue> firstRunValues()
{
    return {{"Form Top", 1},       {"Form Left", 1},       {"Form Width", 1279},   {"Form Height", 995},
            {"Form State", 1},     {"OrigCardSize", 1},    {"TimeDisplay", 1},     {"TransferInfo", 0},
            {"TransferDetails", 0}, {"ShowPicture", 0},    {"SpeedSlider", 8},     {"PileSuit 0", 0},
            {"PileSuit 1", 1},     {"PileSuit 2", 2},      {"PileSuit 3", 3},      {"Games Won", 0},
            {"Games Lost", 0},     {"Streak Type", 0},     {"Streak Wins", 0},     {"Streak Losses", 0},
            {"SWBmpPath", QString()},   {"WarnLosingMove", 0}};
}

// Every value written to the store, in order.
inline std::vector<StoredValue> writtenValues(const MemoryRegistry& registry)
{
    std::vector<StoredValue> values;
    for (const auto& write : registry.writes()) {
        EXPECT_EQ(write.path, StoreKey);
        values.emplace_back(write.name, write.value);
    }
    return values;
}

// The text of the one box shown, if it is the settings warning.
inline QString onlyWarning(const ScriptedMessageBoxes& boxes)
{
    EXPECT_EQ(boxes.shown().size(), 1u);
    if (boxes.shown().empty())
        return {};
    const auto& box = boxes.shown().front();
    EXPECT_TRUE(box.caption == " Settings" && box.icon == MessageIcon::Warning && box.buttons == MessageButtons::Ok);
    return box.text;
}

} // namespace tavolin
