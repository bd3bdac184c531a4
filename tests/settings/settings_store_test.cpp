#include "settings/placement.h"
#include "store_fixture.h"

#include <functional>
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

    QString onlyWarning() const
    {
        EXPECT_EQ(boxes.shown().size(), 1u);
        if (boxes.shown().empty())
            return {};
        EXPECT_TRUE(isSettingsWarning(boxes.shown().front()));
        return boxes.shown().front().text;
    }

    MemoryRegistry registry;
    ScriptedMessageBoxes boxes;
    SettingsStore settingsStore{registry, boxes};
};

TEST_F(SettingsStoreTest, FirstRunStoresTheDefaultsForTheScreenInTableOrder)
{
    const Settings settings = settingsStore.load({1280, 1024});

    Settings expected;
    expected.FormWidth = 1279;
    expected.FormHeight = 995;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(writtenValues(registry), firstRunValues());
    EXPECT_EQ(registry.commits(), 1);
    EXPECT_TRUE(boxes.shown().empty());
}

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

    settingsStore.saveDisplayOptions(settings);
    EXPECT_EQ(writtenValues(registry), (std::vector<StoredValue>{
                                           {"TimeDisplay", 1}, {"TransferInfo", 1}, {"TransferDetails", 1}, {"ShowPicture", 0}}));
}

TEST_F(SettingsStoreTest, MissingOrMistypedValuesFallBackToTheirDefaults)
{
    for (const auto& value : firstRunValues()) {
        if (value.first != "Form Width" && value.first != "SpeedSlider")
            store({value});
    }
    store({{"Form Height", 700}, {"Games Won", QStringLiteral("12")}, {"Games Lost", 5}});

    const Settings settings = settingsStore.load({1024, 768});

    EXPECT_EQ(settings.FormWidth, 1023) << "the first-run default for this screen";
    EXPECT_EQ(settings.FormHeight, 700);
    EXPECT_EQ(settings.SpeedSlider, 8);
    EXPECT_EQ(settings.GamesWon, 0);
    EXPECT_EQ(settings.GamesLost, 5);
    const QString told = onlyWarning();
    for (const char* name : {"\"Form Width\"", "\"SpeedSlider\"", "\"Games Won\""})
        EXPECT_TRUE(told.contains(QLatin1String(name))) << name;
    EXPECT_FALSE(told.contains(QLatin1String("\"Games Lost\"")));
    EXPECT_EQ(registry.commits(), 1);
    EXPECT_EQ(registry.value(StoreKey, "Form Width"), MemoryRegistry::Value(1023));
    EXPECT_EQ(registry.value(StoreKey, "Games Won"), MemoryRegistry::Value(0));
    EXPECT_EQ(registry.value(StoreKey, "Games Lost"), MemoryRegistry::Value(5));
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
        {"Form State", 7, 1, "\"Form State\" was 7; 1"},        {"Form State", -1, 1, "\"Form State\" was -1; 1"},
        {"Games Won", Least, 0, "\"Games Won\" was -2147483648"}, {"Games Lost", -3, 0, "\"Games Lost\" was -3"},
        {"Streak Type", -1, 0, "\"Streak Type\" was -1"},       {"Streak Wins", -2, 0, "\"Streak Wins\" was -2"},
        {"Streak Losses", -5, 0, "\"Streak Losses\" was -5"},   {"PileSuit 0", 1, 0, "Piles were 1, 1, 2, 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told);
        MemoryRegistry registry;
        for (const auto& [name, value] : firstRunValues())
            registry.set(StoreKey, name, name == c.name ? MemoryRegistry::Value(c.stored) : value);
        ScriptedMessageBoxes boxes;

        const Settings settings = SettingsStore(registry, boxes).load({1280, 1024});

        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_TRUE(isSettingsWarning(boxes.shown().front()));
        EXPECT_TRUE(boxes.shown().front().text.contains(QLatin1String(c.told)));
        EXPECT_EQ(registry.value(StoreKey, c.name), MemoryRegistry::Value(c.used));
        EXPECT_EQ(registry.commits(), 1);
        EXPECT_EQ(SettingsStore(registry, boxes).load({1280, 1024}), settings);
        EXPECT_EQ(boxes.shown().size(), 1u) << "told once, not at every start";
        EXPECT_EQ(registry.commits(), 1);
    }
}

TEST_F(SettingsStoreTest, DamageFoundByTheRegistryIsToldTogetherWithTheRest)
{
    store(firstRunValues());
    store({{"SpeedSlider", 11}});
    registry.setDamage({{QStringLiteral("line 9 could not be read: \"Games")}, 1, QStringLiteral("/cfg/registry.ini.damaged")});

    settingsStore.load({1280, 1024});

    const QString told = onlyWarning();
    for (const char* part : {"line 9 could not be read", "\"SpeedSlider\" was 11", "/cfg/registry.ini.damaged"})
        EXPECT_TRUE(told.contains(QLatin1String(part))) << part;
    EXPECT_EQ(registry.commits(), 1) << "the damaged store is rewritten at once";
}

TEST_F(SettingsStoreTest, ManyProblemsAreListedTenAtMostWithHowManyMore)
{
    store(firstRunValues());
    store({{"SpeedSlider", 0}});
    QStringList notes;
    for (int line = 1; line <= 10; ++line)
        notes << QStringLiteral("line %1 could not be read: junk").arg(line);
    registry.setDamage({notes, 938208, {}});

    settingsStore.load({1280, 1024});

    const QStringList lines = onlyWarning().split(u'\n');
    EXPECT_LE(lines.size(), 15);
    EXPECT_EQ(lines.filter(QStringLiteral("could not be read")).size(), 10);
    EXPECT_TRUE(lines.contains(QStringLiteral("... and 938199 more."))) << "938208 lines and the speed, less ten";
}

TEST_F(SettingsStoreTest, DamagedStoreWithoutTheKeyIsToldAndStartsAfresh)
{
    registry.setDamage({{QStringLiteral("line 1 is not readable text")}, 1, {}});

    EXPECT_EQ(settingsStore.load({1280, 1024}), defaultSettings({1280, 1024}));
    EXPECT_TRUE(onlyWarning().contains(QLatin1String("line 1 is not readable text")));
    EXPECT_EQ(writtenValues(registry), firstRunValues());
}

struct Writer {
    const char* name;
    std::function<void(SettingsStore&, const Settings&)> save;
    std::vector<StoredValue> values;
};

TEST_F(SettingsStoreTest, EachWriterStoresItsValuesInOrderInOneWrite)
{
    const Settings settings{11, 12, 713, 514, 2, false, true, true, false, true, 6, {2, 0, 3, 1},
                            21, 22, 1,   3,   0, QStringLiteral("/pics/a.bmp")};
    const Writer writers[] = {
        {"placement", &SettingsStore::savePlacement,
         {{"Form Top", 11}, {"Form Left", 12}, {"Form Width", 713}, {"Form Height", 514}, {"Form State", 2}}},
        {"statistics", &SettingsStore::saveStatistics,
         {{"Games Won", 21}, {"Games Lost", 22}, {"Streak Type", 1}, {"Streak Wins", 3}, {"Streak Losses", 0}}},
        {"display options", &SettingsStore::saveDisplayOptions,
         {{"TimeDisplay", 1}, {"TransferInfo", 1}, {"TransferDetails", 0}, {"ShowPicture", 1}}},
        {"picture path", &SettingsStore::savePicturePath,
         {{"SWBmpPath", QStringLiteral("/pics/a.bmp")}, {"ShowPicture", 1}}},
        {"pile suits", &SettingsStore::savePileSuits,
         {{"PileSuit 0", 2}, {"PileSuit 1", 0}, {"PileSuit 2", 3}, {"PileSuit 3", 1}}},
        {"speed", &SettingsStore::saveSpeed, {{"SpeedSlider", 6}}},
    };
    for (const Writer& writer : writers) {
        SCOPED_TRACE(writer.name);
        MemoryRegistry fresh;
        SettingsStore store(fresh, boxes);
        writer.save(store, settings);
        EXPECT_EQ(writtenValues(fresh), writer.values);
        EXPECT_EQ(fresh.commits(), 1);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

// Play goes on with the settings in memory; every change is still tried.
TEST_F(SettingsStoreTest, StoreThatCannotBeWrittenIsToldOncePerRun)
{
    registry.setFailWrites(true);
    Settings settings = settingsStore.load({1280, 1024});
    EXPECT_EQ(settings, defaultSettings({1280, 1024}));
    EXPECT_EQ(registry.writes().size(), 21u);

    settings.GamesWon = 1;
    settingsStore.saveStatistics(settings);
    settings.SpeedSlider = 3;
    settingsStore.saveSpeed(settings);
    EXPECT_TRUE(onlyWarning().contains(QLatin1String("could not be saved")));
    EXPECT_EQ(registry.writes().size(), 27u);

    SettingsStore nextRun(registry, boxes);
    nextRun.saveSpeed(settings);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

} // namespace
} // namespace tavolin
