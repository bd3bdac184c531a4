#include "platform/qt_registry.h"
#include "support/file_bytes.h"
#include "platform/registry_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

const QString KeyPath = QStringLiteral("Software\\Projects\\Tavolin 2.2");

class RegistryFile : public ::testing::Test {
protected:
    QByteArray fileBytes() const { return testing::readFileBytes(registry.fileName()); }
    void writeFileBytes(const QByteArray& bytes) { ASSERT_TRUE(testing::writeFileBytes(registry.fileName(), bytes)); }

    std::unique_ptr<RegistryKey> open(bool create = false) { return registry.openKey(KeyPath, create); }
    bool storeDword(const QString& name, std::int32_t value)
    {
        const auto key = open(true);
        return key && key->writeDword(name, value) && key->commit();
    }

    QTemporaryDir dir;
    QtRegistry registry{dir.path()};
};

TEST_F(RegistryFile, ValuesOutliveTheRegistryThatWroteThem)
{
    const QString awkward = QStringLiteral("C:\\Pics\\\"side\" 1.bmp\nsecond line\r\tünïcødé ; [x] = y");
    {
        const auto key = open(true);
        ASSERT_TRUE(key);
        EXPECT_TRUE(key->writeDword(QStringLiteral("Lowest"), std::numeric_limits<std::int32_t>::min()));
        EXPECT_TRUE(key->writeDword(QStringLiteral("Highest"), std::numeric_limits<std::int32_t>::max()));
        EXPECT_TRUE(key->writeString(QStringLiteral("Odd \"name\" / with \\ slashes"), awkward));
        EXPECT_TRUE(key->commit());
    }

    QtRegistry later(dir.path());
    const auto key = later.openKey(KeyPath, false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Lowest")), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(key->readDword(QStringLiteral("Highest")), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(key->readString(QStringLiteral("Odd \"name\" / with \\ slashes")), awkward);
    EXPECT_EQ(later.damage().total, 0);
}

TEST_F(RegistryFile, ValuesKeepTheirType)
{
    const auto key = open(true);
    ASSERT_TRUE(key->writeDword(QStringLiteral("Number"), 7));
    ASSERT_TRUE(key->writeString(QStringLiteral("Text"), QStringLiteral("7")));

    EXPECT_EQ(key->readDword(QStringLiteral("Number")), 7);
    EXPECT_FALSE(key->readDword(QStringLiteral("Text")).has_value());
    EXPECT_FALSE(key->readDword(QStringLiteral("Missing")).has_value());
    EXPECT_EQ(key->readString(QStringLiteral("Text")), QStringLiteral("7"));
    EXPECT_EQ(key->readString(QStringLiteral("Number")), QString());
    EXPECT_EQ(key->readString(QStringLiteral("Missing")), QString());
}

TEST_F(RegistryFile, OnlyKeysWithValuesExist)
{
    EXPECT_FALSE(open(false)) << "nothing stored yet";
    EXPECT_FALSE(QFile::exists(registry.fileName())) << "opening without creating writes nothing";

    const auto written = open(true);
    ASSERT_TRUE(written->writeDword(QStringLiteral("Form Top"), 1));
    ASSERT_TRUE(written->commit());
    EXPECT_TRUE(open(false));
    EXPECT_FALSE(registry.openKey(QStringLiteral("Software\\Projects"), false));
    EXPECT_FALSE(registry.openKey(QStringLiteral("Software/Projects/Tavolin 2.2"), false))
        << "a slash is not a backslash";
}

TEST_F(RegistryFile, FileReadsLikeARegistryExport)
{
    const auto key = open(true);
    ASSERT_TRUE(key->writeDword(QStringLiteral("Form Top"), 1));
    ASSERT_TRUE(key->writeDword(QStringLiteral("Form Left"), -4));
    ASSERT_TRUE(key->writeString(QStringLiteral("SWBmpPath"), QStringLiteral("C:\\Pics\\a \"b\".bmp")));
    ASSERT_TRUE(key->commit());

    const QStringList lines = QString::fromUtf8(fileBytes()).split(u'\n');
    EXPECT_TRUE(lines.contains(QStringLiteral("[Software\\Projects\\Tavolin 2.2]")));
    EXPECT_TRUE(lines.contains(QStringLiteral("\"Form Top\"=dword:1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("\"Form Left\"=dword:-4")));
    EXPECT_TRUE(lines.contains(QStringLiteral("\"SWBmpPath\"=\"C:\\\\Pics\\\\a \\\"b\\\".bmp\"")));
}

TEST_F(RegistryFile, HandEditedFileIsRead)
{
    writeFileBytes("; written by hand\r\n"
                   "\r\n"
                   "[Other key]\r\n"
                   "\"Form Top\"=dword:99\r\n"
                   "  [Software\\Projects\\Tavolin 2.2]  \r\n"
                   "\"Form Top\" = dword: 42\r\n"
                   "\"SWBmpPath\"=\"/home/me/side.bmp\"\r\n");

    const auto key = open();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Form Top")), 42);
    EXPECT_EQ(key->readString(QStringLiteral("SWBmpPath")), QStringLiteral("/home/me/side.bmp"));
    EXPECT_EQ(registry.openKey(QStringLiteral("Other key"), false)->readDword(QStringLiteral("Form Top")), 99);
    EXPECT_EQ(registry.damage().total, 0);
}

TEST_F(RegistryFile, UnreadableLinesAreDroppedAndReported)
{
    writeFileBytes("\"Stray\"=dword:1\n"                      // 1: before any key
                   "[Software\\Projects\\Tavolin 2.2]\n"      // 2
                   "\"Games Won\"=dword:12\n"                 // 3
                   "\"Games Lost\"=dword:4000000000\n"        // 4: too large for a DWORD
                   "\"Bad\xff\xfe bytes\"=dword:3\n"          // 5: not UTF-8
                   "\"Escape\"=\"a\\qb\"\n"                   // 6: unknown escape
                   "no quotes=dword:5\n"                      // 7
                   "\"Streak Wins\"=dword:2\n"                // 8
                   "\"Streak Los");                           // 9: cut off

    const auto key = open();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Games Won")), 12);
    EXPECT_EQ(key->readDword(QStringLiteral("Streak Wins")), 2);
    EXPECT_FALSE(key->readDword(QStringLiteral("Games Lost")).has_value());
    EXPECT_EQ(key->readString(QStringLiteral("Escape")), QString());

    EXPECT_EQ(registry.damage().total, 6);
    const QString report = registry.damage().problems.join(u'\n');
    for (int line : {1, 4, 5, 6, 7, 9})
        EXPECT_TRUE(report.contains(QStringLiteral("line %1 ").arg(line))) << "line " << line;
    for (int line : {2, 3, 8})
        EXPECT_FALSE(report.contains(QStringLiteral("line %1 ").arg(line))) << "line " << line;
}

TEST_F(RegistryFile, RewrittenFileNoLongerReportsDamageButKeepsACopy)
{
    const QByteArray damaged("[Software\\Projects\\Tavolin 2.2]\n\"Games Won\"=dword:12\ngarbage\n");
    writeFileBytes(damaged);
    EXPECT_TRUE(open());
    ASSERT_EQ(registry.damage().total, 1);
    EXPECT_TRUE(registry.damage().keptCopy.endsWith(QStringLiteral("registry.ini.damaged")));

    ASSERT_TRUE(storeDword(QStringLiteral("Games Lost"), 3));
    EXPECT_FALSE(fileBytes().contains("garbage"));
    QFile copy(registry.fileName() + QStringLiteral(".damaged"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
    EXPECT_EQ(open()->readDword(QStringLiteral("Games Won")), 12);
    EXPECT_EQ(registry.damage().total, 0);
}

TEST_F(RegistryFile, FileThatCannotBeOpenedIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("registry.ini")));

    EXPECT_FALSE(open(false));
    EXPECT_EQ(registry.damage().total, 1);
    EXPECT_TRUE(registry.damage().problems.join(u' ').contains(QStringLiteral("could not be opened")));
    EXPECT_FALSE(open(true));
    EXPECT_TRUE(QFileInfo(registry.fileName()).isDir());
}

// Turns interrupted writes on for one test and off again whatever happens.
struct InterruptedWrites {
    InterruptedWrites() { registry_file::setWritesInterrupted(true); }
    ~InterruptedWrites() { registry_file::setWritesInterrupted(false); }
};

TEST_F(RegistryFile, InterruptedWriteKeepsThePreviousFile)
{
    ASSERT_TRUE(storeDword(QStringLiteral("Games Won"), 5));
    const QByteArray before = fileBytes();
    {
        const InterruptedWrites interrupted;
        const auto key = open(true);
        key->writeDword(QStringLiteral("Games Won"), 6);
        key->writeString(QStringLiteral("SWBmpPath"), QStringLiteral("/tmp/a.bmp"));
        EXPECT_FALSE(key->commit());
    }
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("registry.ini")})
        << "no half-written file is left behind";
}

TEST_F(RegistryFile, EmptyValueNameIsRefused)
{
    const auto key = open(true);
    EXPECT_FALSE(key->writeDword(QString(), 1));
    EXPECT_TRUE(key->commit());
    EXPECT_FALSE(open(false));
}

TEST_F(RegistryFile, ValuesWrittenTogetherReachTheFileTogether)
{
    ASSERT_TRUE(storeDword(QStringLiteral("Games Won"), 5));
    const QByteArray before = fileBytes();
    const auto key = open(true);
    key->writeDword(QStringLiteral("Games Won"), 6);
    key->writeDword(QStringLiteral("Games Lost"), 7);
    EXPECT_EQ(fileBytes(), before) << "nothing is written before the commit";
    ASSERT_TRUE(key->commit());
    const QStringList lines = QString::fromUtf8(fileBytes()).split(u'\n');
    EXPECT_TRUE(lines.contains(QStringLiteral("\"Games Won\"=dword:6")));
    EXPECT_TRUE(lines.contains(QStringLiteral("\"Games Lost\"=dword:7")));
}

TEST_F(RegistryFile, AFileOfJunkNotesItsFirstLinesAndCountsTheRest)
{
    QByteArray junk = "[Software\\Projects\\Tavolin 2.2]\n\"Games Won\"=dword:12\n";
    for (int line = 0; line < 5000; ++line)
        junk += "#%&! junk " + QByteArray::number(line) + '\n';
    writeFileBytes(junk);

    const auto key = open();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readDword(QStringLiteral("Games Won")), 12);
    const StoreDamage damage = registry.damage();
    EXPECT_EQ(damage.total, 5000);
    ASSERT_EQ(damage.problems.size(), registry_file::NotedLines);
    EXPECT_TRUE(damage.problems.front().startsWith(QStringLiteral("line 3 ")));
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedEnvironment() { wasSet_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};

TEST(RegistryLocation, FollowsXdgConfigHomeThenHome)
{
    QTemporaryDir home;
    const ScopedEnvironment homeVariable("HOME", home.path().toLocal8Bit());
    {
        const ScopedEnvironment config("XDG_CONFIG_HOME", (home.path() + "/cfg").toLocal8Bit());
        EXPECT_EQ(QtRegistry::defaultDirectory(), home.path() + "/cfg/Tavolin");
    }
    const ScopedEnvironment noConfig("XDG_CONFIG_HOME", QByteArray());
    EXPECT_EQ(QtRegistry::defaultDirectory(), home.path() + "/.config/Tavolin");
}

} // namespace
} // namespace tavolin
