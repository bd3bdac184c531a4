#include "platform/qt_registry.h"
#include "settings/placement.h"
#include "store_fixture.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>

namespace tavolin {
namespace {

// The settings store on the real registry file.
class SettingsFileTest : public ::testing::Test {
protected:
    QByteArray fileBytes() const { return testing::readFileBytes(registry.fileName()); }
    void writeFileBytes(const QByteArray& bytes) { ASSERT_TRUE(testing::writeFileBytes(registry.fileName(), bytes)); }
    Settings loadedByNextRun()
    {
        QtRegistry nextRun(dir.path());
        return SettingsStore(nextRun, boxes).load({1280, 1024});
    }

    QTemporaryDir dir;
    QtRegistry registry{dir.path()};
    ScriptedMessageBoxes boxes;
    SettingsStore store{registry, boxes};
};

QString fileLine(const StoredValue& value)
{
    const auto& [name, data] = value;
    if (const auto* number = std::get_if<std::int32_t>(&data))
        return QStringLiteral("\"%1\"=dword:%2").arg(name).arg(*number);
    return QStringLiteral("\"%1\"=\"%2\"").arg(name, std::get<QString>(data));
}

TEST_F(SettingsFileTest, EveryValueIsReadableInTheFileAndReadByTheNextRun)
{
    const Settings settings = store.load({1280, 1024});
    const QStringList lines = QString::fromUtf8(fileBytes()).split(u'\n');
    EXPECT_TRUE(lines.contains(QStringLiteral("[Software\\Projects\\Tavolin 2.2]")));
    for (const StoredValue& value : firstRunValues())
        EXPECT_TRUE(lines.contains(fileLine(value))) << fileLine(value).toStdString();

    const QByteArray firstRun = fileBytes();
    EXPECT_EQ(loadedByNextRun(), settings);
    EXPECT_EQ(fileBytes(), firstRun) << "nothing to store at a start that finds all well";

    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SettingsFileTest, DamagedFileLoadsWhatItCanAndTellsOnce)
{
    const QByteArray damaged = "[Software\\Projects\\Tavolin 2.2]\n"
                               "\"Form Top\"=dword:40\n"
                               "\"Form Left\"=\"forty\"\n"
                               "\"Form Width\"=dword:900\n"
                               "\xff\xfe\x01\x02 \"Form Height\"=dword:\n"
                               "\"PileSuit 0\"=dword:0\n"
                               "\"PileSuit 1\"=dword:0\n"
                               "\"PileSuit 2\"=dword:2\n"
                               "\"PileSuit 3\"=dword:3\n"
                               "\"SpeedSlider\"=dword:42\n"
                               "\"Games Won\"=dword:17\n"
                               "\"Games Lost\"=dword:9\n"
                               "\"Streak Type\"=dword:1\n"
                               "\"Streak Wins\"=dword:3\n"
                               "\"SWBmpPath\"=\"/pics/side.bmp\"\n"
                               "\"TimeDisplay\"=dword:0\n"
                               "\"TransferDet";
    writeFileBytes(damaged);

    const Settings settings = store.load({1280, 1024});

    // Values missing, of the wrong type (Form Left), on a garbled line (Form Height)
    // or cut off (TransferDetails) keep their defaults; the speed and suits are corrected.
    EXPECT_EQ(settings, (Settings{.FormTop = 40, .FormWidth = 900, .FormHeight = 995, .TimeDisplay = false,
                                  .SpeedSlider = 10, .GamesWon = 17, .GamesLost = 9, .StreakType = 1,
                                  .StreakWins = 3, .SWBmpPath = QStringLiteral("/pics/side.bmp")}));

    const QString told = onlyWarning(boxes);
    // Two lines dropped and ten values replaced: the first ten problems are shown.
    for (const char* part : {"line 5 ", "line 17 ", "\"Form Left\"", "\"Streak Losses\"", "... and 2 more."})
        EXPECT_TRUE(told.contains(QLatin1String(part))) << part;
    EXPECT_TRUE(told.contains(QLatin1String("registry.ini.damaged")));

    // Repaired at this start: the damaged copy keeps what was there, and the
    // next start finds the settings as they were used and tells nothing.
    EXPECT_EQ(testing::readFileBytes(registry.fileName() + QStringLiteral(".damaged")), damaged);
    EXPECT_FALSE(fileBytes().contains("\xff"));
    EXPECT_EQ(loadedByNextRun(), settings);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

// Two copies of the game on one file: each result is counted on what the
// other stored, and a Delete holds.
TEST_F(SettingsFileTest, TwoCopiesOnOneFileCountEveryResultOnceAndKeepADelete)
{
    QtRegistry otherRegistry(dir.path());
    SettingsStore other(otherRegistry, boxes);
    Settings settings[] = {store.load({1280, 1024}), other.load({1280, 1024})};
    SettingsStore* stores[] = {&store, &other};
    using enum StatisticsChange;
    const struct {
        int copy;
        StatisticsChange change;
        std::array<std::int32_t, 5> stored;   // won, lost, streak type, wins, losses
    } steps[] = {
        {0, Loss, {0, 1, 2, 0, 1}}, {1, Loss, {0, 2, 2, 0, 2}},   {0, Win, {1, 2, 1, 1, 0}}, {1, Win, {2, 2, 1, 2, 0}},
        {1, Delete, {0, 0, 0, 0, 0}}, {0, Loss, {0, 1, 2, 0, 1}}, {1, Loss, {0, 2, 2, 0, 2}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        Settings& mine = settings[step.copy];
        RunTotals run;
        if (step.change == Delete) {
            stores[step.copy]->deleteStatistics(mine);
        } else {
            step.change == Win ? countWin(mine, run) : countLoss(mine, run);
            stores[step.copy]->saveStatistics(mine, step.change);
        }
        const Settings stored = loadedByNextRun();
        for (const Settings& seen : {mine, stored})
            EXPECT_EQ((std::array{seen.GamesWon, seen.GamesLost, seen.StreakType, seen.StreakWins, seen.StreakLosses}),
                      step.stored);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

// However large the file, a start reads only its beginning, and the file
// is kept aside whole, not copied.
TEST_F(SettingsFileTest, AHugeFileIsReadOnlyAsFarAsAnyFileTheGameWritesAndKeptAside)
{
    QByteArray huge = "[Software\\Projects\\Tavolin 2.2]\n\"Games Won\"=dword:12\n[Other]\n";
    for (int value = 0; huge.size() <= 2 * QtRegistry::LargestFile; ++value)
        huge += "\"Value " + QByteArray::number(value) + "\"=dword:7\n";
    writeFileBytes(huge);

    EXPECT_EQ(store.load({1280, 1024}).GamesWon, 12);

    EXPECT_TRUE(onlyWarning(boxes).contains(QStringLiteral("is larger than 256 KiB")));
    EXPECT_EQ(testing::readFileBytes(registry.fileName() + QStringLiteral(".damaged")), huge);
    EXPECT_LE(fileBytes().size(), QtRegistry::LargestFile);
    EXPECT_EQ(loadedByNextRun().GamesWon, 12);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

} // namespace
} // namespace tavolin
