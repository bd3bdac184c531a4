#include "settings/placement.h"
#include "store_fixture.h"

#include <limits>

namespace tavolin {
namespace {

constexpr std::int32_t Most = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Least = std::numeric_limits<std::int32_t>::min();

class SettingsStoreTest : public ::testing::Test {
protected:
    void store(const std::vector<StoredValue>& values)
    {
        for (const auto& [name, value] : values)
            registry.set(StoreKey, name, value);
    }

    MemoryRegistry registry;
    ScriptedMessageBoxes boxes;
    SettingsStore settingsStore{registry, boxes};
};

TEST_F(SettingsStoreTest, FirstRunStoresTheDefaultsForTheScreenInTableOrder)
{
    EXPECT_EQ(settingsStore.load({1280, 1024}), defaultSettings({1280, 1024}));
    EXPECT_EQ(writtenValues(registry), firstRunValues());
    EXPECT_EQ(registry.commits(), 1);
    EXPECT_TRUE(boxes.shown().empty());
}

// A file written before the values beside the design's reads as before.
TEST_F(SettingsStoreTest, StoredSettingsAreReadWithoutWritingAnything)
{
    store({{"Form Top", 5},        {"Form Left", 6},     {"Form Width", 700},   {"Form Height", 500},
           {"Form State", 2},      {"OrigCardSize", 0},  {"TimeDisplay", 5},    {"TransferInfo", -1},
           {"TransferDetails", 1}, {"ShowPicture", 0},   {"SpeedSlider", 3},    {"PileSuit 0", 3},
           {"PileSuit 1", 2},      {"PileSuit 2", 1},    {"PileSuit 3", 0},     {"Games Won", Most},
           {"Games Lost", 5},      {"Streak Type", 2},   {"Streak Wins", 0},    {"Streak Losses", Most},
           {"SWBmpPath", QStringLiteral("/home/me/side.bmp")}});

    const Settings settings = settingsStore.load({1280, 1024});

    const Settings expected{5,    6, 700, 500,  2, false, true, true, true, false, 3, {3, 2, 1, 0},
                            Most, 5, 2,   0, Most, QStringLiteral("/home/me/side.bmp")};
    EXPECT_EQ(settings, expected);
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_TRUE(boxes.shown().empty()) << "any number but 0 is on, and a count may be at its top";
}

TEST_F(SettingsStoreTest, MissingOrMistypedValuesFallBackToTheirDefaults)
{
    for (const auto& value : firstRunValues()) {
        if (value.first != "Form Width" && value.first != "SpeedSlider")
            store({value});
    }
    store({{"Form Height", 700}, {"Games Won", QStringLiteral("12")}, {"Games Lost", 5},
           {"WarnLosingMove", QStringLiteral("on")}});

    Settings expected = defaultSettings({1024, 768});
    expected.FormHeight = 700;
    expected.GamesLost = 5;
    EXPECT_EQ(settingsStore.load({1024, 768}), expected);
    const QString told = onlyWarning(boxes);
    for (const char* name : {"\"Form Width\"", "\"SpeedSlider\"", "\"Games Won\"", "\"WarnLosingMove\""})
        EXPECT_TRUE(told.contains(QLatin1String(name))) << name;
    EXPECT_FALSE(told.contains(QLatin1String("\"Games Lost\"")));
    EXPECT_EQ(registry.commits(), 1);
    EXPECT_EQ(registry.value(StoreKey, "Form Width"), MemoryRegistry::Value(1023));
    EXPECT_EQ(registry.value(StoreKey, "Games Won"), MemoryRegistry::Value(0));
}

// A value out of its range is brought into it, told once and stored as
// used, so that the next start has nothing to tell.
TEST(SettingsStoreRanges, OutOfRangeValuesAreCorrectedToldAndStoredOnce)
{
    struct Case {
        const char* name;
        std::int32_t stored, used;
        const char* told;
    };
    const Case cases[] = {
        {"SpeedSlider", 42, 10, "\"SpeedSlider\" was 42; 10"},  {"SpeedSlider", 0, 1, "\"SpeedSlider\" was 0; 1"},
        {"Form State", 3, 1, "\"Form State\" was 3; 1"},        {"Form State", -1, 1, "\"Form State\" was -1; 1"},
        {"Games Won", Least, 0, "\"Games Won\" was -2147483648"}, {"Games Lost", -3, 0, "\"Games Lost\" was -3"},
        {"Streak Type", -1, 0, "\"Streak Type\" was -1"},       {"Streak Losses", -5, 0, "\"Streak Losses\" was -5"},
        {"Streak Type", 9, 0, "\"Streak Type\" was 9; 0"},
        {"PileSuit 0", 1, 0, "Piles were 1, 1, 2, 3"},          {"WarnLosingMove", 7, 0, "\"WarnLosingMove\" was 7; 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told);
        MemoryRegistry registry;
        for (const auto& [name, value] : firstRunValues())
            registry.set(StoreKey, name, name == c.name ? MemoryRegistry::Value(c.stored) : value);
        ScriptedMessageBoxes boxes;

        const Settings settings = SettingsStore(registry, boxes).load({1280, 1024});

        EXPECT_TRUE(onlyWarning(boxes).contains(QLatin1String(c.told)));
        EXPECT_EQ(registry.value(StoreKey, c.name), MemoryRegistry::Value(c.used));
        EXPECT_EQ(registry.commits(), 1);
        EXPECT_EQ(SettingsStore(registry, boxes).load({1280, 1024}), settings);
        EXPECT_EQ(boxes.shown().size(), 1u) << "told once, not at every start";
        EXPECT_EQ(registry.commits(), 1);
    }
}

// A file of junk must not give a box taller than the screen; a damaged store
// is rewritten at once even when every value could be used.
TEST_F(SettingsStoreTest, DamageIsToldTenProblemsAtMostAndRepairedAtOnce)
{
    store(firstRunValues());
    QStringList notes;
    for (int line = 1; line <= 10; ++line)
        notes << QStringLiteral("line %1 could not be read: junk").arg(line);
    registry.setDamage({notes, 938208, QStringLiteral("/cfg/registry.ini.damaged")});

    settingsStore.load({1280, 1024});

    const QString told = onlyWarning(boxes);
    EXPECT_EQ(told.split(u'\n').filter(QStringLiteral("could not be read")).size(), 10);
    EXPECT_TRUE(told.contains(QLatin1String("... and 938198 more.")));
    EXPECT_TRUE(told.contains(QLatin1String("/cfg/registry.ini.damaged")));
    EXPECT_EQ(registry.commits(), 1);
}

// Play goes on with the settings in memory. What cannot be stored, every
// result of it, waits for the next write that gets through, told once until
// then. While another copy holds the store, a change waits for it once and
// later ones only try it. At quit it is waited for longer, and the results
// that still wait are kept beside it.
TEST_F(SettingsStoreTest, WhatCannotBeStoredWaitsForTheNextWriteOrIsKeptAtQuit)
{
    registry.setFailWrites(true);
    Settings settings = settingsStore.load({1280, 1024});
    EXPECT_EQ(settings, defaultSettings({1280, 1024}));
    EXPECT_EQ(registry.writes().size(), firstRunValues().size()) << "a refused value stops none of the others";
    RunTotals run;
    for (const auto result : {StatisticsChange::Loss, StatisticsChange::Win, StatisticsChange::Loss}) {
        result == StatisticsChange::Win ? countWin(settings, run) : countLoss(settings, run);
        settingsStore.saveStatistics(settings, result);
    }
    registry.setFailWrites(false);
    registry.setBusy(true);
    settings.SpeedSlider = 3;
    for (int change = 0; change < 2; ++change)
        settingsStore.saveSpeed(settings);
    EXPECT_FALSE(registry.value(StoreKey, "Games Lost"));
    registry.setBusy(false);
    settingsStore.saveDisplayOptions(settings);
    for (const auto& [name, value] : std::vector<StoredValue>{{"Games Lost", 2}, {"Games Won", 1}, {"Streak Losses", 1},
                                                              {"SpeedSlider", 3}, {"Form Width", 1279}})
        EXPECT_EQ(registry.value(StoreKey, name), value) << name.toStdString();
    registry.setBusy(true);
    settingsStore.saveStatistics(settings, StatisticsChange::Win);
    settingsStore.finishQuit();
    EXPECT_EQ(registry.lockWaits(), (std::vector<int>{2000, 2000, 2000, 2000, 2000, 0, 0, 2000, 5000}));
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_TRUE(boxes.shown()[0].text.contains(QLatin1String("could not be saved: writes refused")));
    EXPECT_TRUE(boxes.shown()[1].text.contains(QLatin1String("could not be saved: the store is busy")));
    EXPECT_TRUE(boxes.shown()[2].text.contains(QLatin1String("(won: 1, lost: 0) are kept in note 1, and the next start")));
    EXPECT_EQ(registry.notes().size(), 1);
}

} // namespace
} // namespace tavolin
