#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/SysInfoLookup.h"
#include "platform/Registry.h"
#include "support/GTestPrinters.h"
#include "support/ScriptedRegistry.h"

using namespace kl;
using kl::RegistryAccess;
using kl::RegistryRoot;
using kl::RegistryType;
using kl::testing::ScriptedRegistry;
using namespace Qt::StringLiterals;

namespace {

const QString Key = u"SOFTWARE\\Test"_s;

struct ValueCase {
    const char* name;
    quint32 type;
    QByteArray data;
    bool found;
    QString expected; // keyVal after the call, which went in as "before"
};

QByteArray textBytes(qsizetype length, bool terminated) {
    QByteArray b(length, 'a');
    if (terminated) {
        b.append('\0');
    }
    return b;
}

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

class GetKeyValueCases : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueCases, ReadsWhatTheValueHolds) {
    const ValueCase& c = GetParam();
    ScriptedRegistry registry;
    registry.setValue(Key, u"V"_s, c.type, c.data);
    QString keyVal = u"before"_s;

    EXPECT_EQ(GetKeyValue(registry, RegistryRoot::LocalMachine, Key, u"V"_s, keyVal), c.found);
    EXPECT_EQ(keyVal, c.expected);
    EXPECT_TRUE(registry.openKeys.empty()) << "every opened key is closed";
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueCases,
    ::testing::Values(
        ValueCase{"String", RegistryType::String, QByteArray("/usr/bin/tool\0", 14), true,
                  u"/usr/bin/tool"_s},
        ValueCase{"StringCutAtFirstZero", RegistryType::String, QByteArray("/a\0/b\0", 6), true, u"/a"_s},
        ValueCase{"EmptyString", RegistryType::String, QByteArray("\0", 1), true, QString()},
        ValueCase{"Fits1023BytesAndZero", RegistryType::String, textBytes(1023, true), true,
                  QString(1023, u'a')},
        ValueCase{"Fills1024BytesWithoutZero", RegistryType::String, textBytes(1024, false), true,
                  QString(1024, u'a')},
        ValueCase{"TooLongCountsAsMissing", RegistryType::String, textBytes(1024, true), false, QString()},
        ValueCase{"DwordGivesHexText", RegistryType::Dword, QByteArray("\x1F\x01\0\0", 4), true, u"&h11F"_s},
        ValueCase{"ExpandStringKeepsWhatCameIn", RegistryType::ExpandString, QByteArray("%X%\0", 4), true,
                  u"before"_s},
        ValueCase{"BinaryKeepsWhatCameIn", RegistryType::Binary, QByteArray("\1\2", 2), true, u"before"_s}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST(GetKeyValueTest, MissingKeyOrValueGivesFalseAndEmpty) {
    ScriptedRegistry registry;
    registry.setString(Key, u"V"_s, u"x"_s);

    QString keyVal = u"before"_s;
    EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, u"SOFTWARE\\Other"_s, u"V"_s, keyVal));
    EXPECT_EQ(keyVal, QString());

    keyVal = u"before"_s;
    EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, Key, u"W"_s, keyVal));
    EXPECT_EQ(keyVal, QString());
    EXPECT_TRUE(registry.openKeys.empty());
    EXPECT_EQ(registry.closed.size(), 1U) << "the key that opened is closed; the missing one never was open";
}

TEST(GetKeyValueTest, AsksForReadingOnly) {
    ScriptedRegistry registry;
    registry.setString(Key, u"V"_s, u"x"_s);
    // A key that refuses write rights, as the system's keys do to an ordinary user, still reads.
    registry.keys[Key.toUpper()].refusedAccess = RegistryAccess::AllButDelete & ~RegistryAccess::Read;
    QString keyVal;
    EXPECT_TRUE(GetKeyValue(registry, RegistryRoot::LocalMachine, Key, u"V"_s, keyVal));
    EXPECT_EQ(keyVal, u"x"_s);
    ASSERT_EQ(registry.opened.size(), 1U);
    EXPECT_EQ(registry.opened[0].access, RegistryAccess::Read);
}

TEST(GetKeyValueTest, KeyRefusingReadingGivesFalse) {
    ScriptedRegistry registry;
    registry.setString(Key, u"V"_s, u"x"_s);
    registry.keys[Key.toUpper()].refusedAccess = RegistryAccess::Read;
    QString keyVal = u"before"_s;
    EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, Key, u"V"_s, keyVal));
    EXPECT_EQ(keyVal, QString());
}

// The two places, as the system keeps them.
const QString PathKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;
const QString FolderKey = u"SOFTWARE\\Microsoft\\Shared Tools Location"_s;

class FindSysInfoProgram : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString toolInFolder() const { return folder.path() + u"/MSINFO32.EXE"_s; }
    void putTool() const {
        QFile f(toolInFolder());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    std::optional<QString> find() { return findSysInfoProgram(registry); }

    QTemporaryDir folder;
    ScriptedRegistry registry;
};

TEST_F(FindSysInfoProgram, FirstPlaceIsTakenAsItIs) {
    registry.setString(PathKey, u"PATH"_s, u"/nowhere/msinfo"_s);
    registry.setString(FolderKey, u"MSINFO"_s, folder.path());
    putTool();
    // No existence test for the first place, and the second is not consulted.
    EXPECT_EQ(find(), std::optional<QString>(u"/nowhere/msinfo"_s));
    ASSERT_EQ(registry.opened.size(), 1U);
    EXPECT_EQ(registry.opened[0].path, PathKey);
}

TEST_F(FindSysInfoProgram, FirstPlaceOfAnotherTypeGivesAnEmptyPath) {
    registry.setValue(PathKey, u"PATH"_s, RegistryType::ExpandString, QByteArray("%ProgramFiles%\0", 15));
    EXPECT_EQ(find(), std::optional<QString>(QString()));
}

TEST_F(FindSysInfoProgram, SecondPlaceWithTheToolInItsFolder) {
    registry.setString(FolderKey, u"MSINFO"_s, folder.path());
    putTool();
    EXPECT_EQ(find(), std::optional<QString>(toolInFolder()));
}

TEST_F(FindSysInfoProgram, SecondPlaceWithoutTheTool) {
    registry.setString(FolderKey, u"MSINFO"_s, folder.path());
    EXPECT_EQ(find(), std::nullopt);
}

TEST_F(FindSysInfoProgram, SecondPlaceNamingAFolderCalledLikeTheTool) {
    registry.setString(FolderKey, u"MSINFO"_s, folder.path());
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"MSINFO32.EXE"_s));
    EXPECT_EQ(find(), std::nullopt);
}

TEST_F(FindSysInfoProgram, SecondPlaceOfAnotherTypeLooksAtTheRoot) {
    registry.setValue(FolderKey, u"MSINFO"_s, RegistryType::MultiString, QByteArray("a\0\0", 3));
    QStringList asked;
    const auto result = findSysInfoProgram(registry, [&](const QString& p) {
        asked.push_back(p);
        return false;
    });
    EXPECT_EQ(result, std::nullopt);
    EXPECT_EQ(asked, QStringList{u"/MSINFO32.EXE"_s});
}

TEST_F(FindSysInfoProgram, NeitherPlace) {
    EXPECT_EQ(find(), std::nullopt);
    EXPECT_EQ(registry.opened.size(), 2U);
}

TEST_F(FindSysInfoProgram, KeysThatRefuseReading) {
    registry.setString(PathKey, u"PATH"_s, u"/usr/bin/tool"_s);
    registry.setString(FolderKey, u"MSINFO"_s, folder.path());
    putTool();
    registry.keys[PathKey.toUpper()].refusedAccess = RegistryAccess::Read;
    registry.keys[FolderKey.toUpper()].refusedAccess = RegistryAccess::Read;
    EXPECT_EQ(find(), std::nullopt);
}

TEST(SysInfoMessage, Text) {
    EXPECT_EQ(sysInfoUnavailableMessage(), u"現時点ではｼｽﾃﾑ情報を使用できません"_s);
    EXPECT_EQ(sysInfoUnavailableMessage().size(), 19);
}

} // namespace
