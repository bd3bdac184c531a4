#include "settings/placement.h"
#include "store_fixture.h"

#include <functional>

namespace tavolin {
namespace {

class SettingsStoreTest : public testing::Test {
protected:
    void store(const std::vector<StoredValue>& values)
    {
        for (const auto& [name, value] : values)
            registry.set(StoreKey, name, value);
    }

    void store(const QString& name, const MemoryRegistry::Value& value) { registry.set(StoreKey, name, value); }

    std::vector<StoredValue> written() const
    {
        std::vector<StoredValue> values;
        for (const auto& write : registry.writes()) {
            EXPECT_EQ(write.path, StoreKey);
            values.emplace_back(write.name, write.value);
        }
        return values;
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

TEST_F(SettingsStoreTest, FirstRunOnALargeScreenStoresTheDefaultsInTableOrder)
{
    const Settings settings = settingsStore.load({1280, 1024});

    Settings expected;
    expected.FormWidth = 1279;
    expected.FormHeight = 995;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(written(), firstRunValues());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SettingsStoreTest, FirstRunOnASmallScreen)
{
    const Settings settings = settingsStore.load({800, 600});

    EXPECT_EQ(settings.FormWidth, 799);
    EXPECT_EQ(settings.FormHeight, 599);
    EXPECT_EQ(registry.value(StoreKey, "Form Width"), MemoryRegistry::Value(799));
    EXPECT_EQ(registry.value(StoreKey, "Form Height"), MemoryRegistry::Value(599));
}

TEST_F(SettingsStoreTest, StoredSettingsAreReadWithoutWritingAnything)
{
    store({{"Form Top", 5},       {"Form Left", 6},      {"Form Width", 700},     {"Form Height", 500},
           {"Form State", 2},     {"OrigCardSize", 0},   {"TimeDisplay", 0},      {"TransferInfo", 1},
           {"TransferDetails", 1}, {"ShowPicture", 1},   {"SpeedSlider", 3},      {"PileSuit 0", 3},
           {"PileSuit 1", 2},     {"PileSuit 2", 1},     {"PileSuit 3", 0},       {"Games Won", 4},
           {"Games Lost", 5},     {"Streak Type", 2},    {"Streak Wins", 0},      {"Streak Losses", 3},
           {"SWBmpPath", QStringLiteral("/home/me/side.bmp")}});

    const Settings settings = settingsStore.load({1280, 1024});

    const Settings expected{5, 6, 700, 500, 2, false, false, true, true, true, 3, {3, 2, 1, 0},
                            4, 5, 2, 0, 3, QStringLiteral("/home/me/side.bmp")};
    EXPECT_EQ(settings, expected);
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SettingsStoreTest, AnyNonzeroNumberIsOnAndIsWrittenBackAsOne)
{
    store(firstRunValues());
    store("OrigCardSize", 5);
    store("TimeDisplay", 5);
    store("ShowPicture", -1);

    const Settings settings = settingsStore.load({1280, 1024});
    EXPECT_TRUE(settings.OrigCardSize);
    EXPECT_TRUE(settings.TimeDisplay);
    EXPECT_TRUE(settings.ShowPicture);
    EXPECT_TRUE(boxes.shown().empty()) << "nonzero is a valid boolean";

    settingsStore.saveDisplayOptions(settings);
    EXPECT_EQ(registry.value(StoreKey, "TimeDisplay"), MemoryRegistry::Value(1));
    EXPECT_EQ(registry.value(StoreKey, "ShowPicture"), MemoryRegistry::Value(1));
}

TEST_F(SettingsStoreTest, MissingOrMistypedValuesFallBackToTheirDefaults)
{
    for (const auto& [name, value] : firstRunValues()) {
        if (name != "Form Width" && name != "SpeedSlider")
            store(name, value);
    }
    store("Form Height", 700);
    store("Games Won", QStringLiteral("12"));
    store("Games Lost", 5);

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

TEST_F(SettingsStoreTest, OutOfRangeValuesAreCorrectedToldAndStoredOnce)
{
    store(firstRunValues());
    store("SpeedSlider", 42);
    store("Form State", 7);
    store("PileSuit 0", 1);
    store("Games Lost", -3);
    store("Streak Wins", 2);

    const Settings settings = settingsStore.load({1280, 1024});

    EXPECT_EQ(settings.SpeedSlider, 10);
    EXPECT_EQ(settings.FormState, 1);
    EXPECT_EQ(settings.PileSuit, (std::array<std::int32_t, 4>{0, 1, 2, 3}));
    EXPECT_EQ(settings.GamesLost, 0);
    EXPECT_EQ(settings.StreakWins, 2);
    const QString told = onlyWarning();
    for (const char* part : {"\"SpeedSlider\" was 42", "\"Form State\" was 7", "Piles", "\"Games Lost\" was -3"})
        EXPECT_TRUE(told.contains(QLatin1String(part))) << part;
    EXPECT_EQ(registry.commits(), 1);
    EXPECT_EQ(registry.value(StoreKey, "SpeedSlider"), MemoryRegistry::Value(10));
    EXPECT_EQ(registry.value(StoreKey, "PileSuit 1"), MemoryRegistry::Value(1));

    SettingsStore nextRun(registry, boxes);
    EXPECT_EQ(nextRun.load({1280, 1024}), settings);
    EXPECT_EQ(boxes.shown().size(), 1u) << "told once, not at every start";
    EXPECT_EQ(registry.commits(), 1);
}

TEST_F(SettingsStoreTest, LowValuesAreRaisedToTheirRange)
{
    store(firstRunValues());
    store("SpeedSlider", 0);
    store("Form State", -1);

    const Settings settings = settingsStore.load({1280, 1024});

    EXPECT_EQ(settings.SpeedSlider, 1);
    EXPECT_EQ(settings.FormState, 1);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(SettingsStoreTest, DamageFoundByTheRegistryIsToldTogetherWithTheRest)
{
    store(firstRunValues());
    store("SpeedSlider", 11);
    registry.setDamage({{QStringLiteral("line 9 could not be read: \"Games")}, 1, QStringLiteral("/cfg/registry.ini.damaged")});

    settingsStore.load({1280, 1024});

    const QString told = onlyWarning();
    EXPECT_TRUE(told.contains(QLatin1String("line 9 could not be read")));
    EXPECT_TRUE(told.contains(QLatin1String("\"SpeedSlider\" was 11")));
    EXPECT_TRUE(told.contains(QLatin1String("/cfg/registry.ini.damaged")));
    EXPECT_EQ(registry.commits(), 1) << "the damaged store is rewritten at once";
}

TEST_F(SettingsStoreTest, ManyProblemsAreListedTenAtMostWithHowManyMore)
{
    store(firstRunValues());
    store("SpeedSlider", 0);
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

    const Settings settings = settingsStore.load({1280, 1024});

    EXPECT_EQ(settings.FormWidth, 1279);
    EXPECT_TRUE(onlyWarning().contains(QLatin1String("line 1 is not readable text")));
    EXPECT_EQ(written(), firstRunValues());
}

struct Writer {
    const char* name;
    std::function<void(SettingsStore&, const Settings&)> save;
    std::vector<StoredValue> values;
};

TEST_F(SettingsStoreTest, EachWriterStoresItsValuesInOrder)
{
    const Settings settings{11, 12, 713, 514, 2, false, true, true, false, true, 6, {2, 0, 3, 1},
                            21, 22, 1, 3, 0, QStringLiteral("/pics/a.bmp")};
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
        MemoryRegistry fresh;
        SettingsStore store(fresh, boxes);
        writer.save(store, settings);
        std::vector<StoredValue> values;
        for (const auto& write : fresh.writes())
            values.emplace_back(write.name, write.value);
        EXPECT_EQ(values, writer.values) << writer.name;
        EXPECT_EQ(fresh.commits(), 1) << writer.name << ": one write of the store per change";
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SettingsStoreTest, FailedWritesAreToldOncePerRun)
{
    store(firstRunValues());
    Settings settings = settingsStore.load({1280, 1024});
    registry.setFailWrites(true);

    settings.GamesWon = 1;
    settingsStore.saveStatistics(settings);
    settings.SpeedSlider = 3;
    settingsStore.saveSpeed(settings);

    EXPECT_TRUE(onlyWarning().contains(QLatin1String("could not be saved")));
    EXPECT_EQ(registry.writes().size(), 6u) << "every change is still tried";

    SettingsStore nextRun(registry, boxes);
    nextRun.saveSpeed(settings);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(SettingsStoreTest, FirstRunThatCannotBeStoredStillPlaysWithTheDefaults)
{
    registry.setFailWrites(true);

    const Settings settings = settingsStore.load({1280, 1024});

    EXPECT_EQ(settings, defaultSettings({1280, 1024}));
    EXPECT_TRUE(onlyWarning().contains(QLatin1String("could not be saved")));
    EXPECT_EQ(registry.writes().size(), 21u);
}

} // namespace
} // namespace tavolin
