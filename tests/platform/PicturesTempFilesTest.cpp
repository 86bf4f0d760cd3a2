#include <optional>
#include <set>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/TempFiles.h"
#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

namespace {

using kl::platform::CreatedFile;
using kl::platform::TempFiles;

// Sets TMPDIR for one test and puts the old value back.
class TmpdirOverride {
public:
    explicit TmpdirOverride(const QString& value) : m_had(qEnvironmentVariableIsSet("TMPDIR")) {
        m_old = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(value));
    }
    ~TmpdirOverride() {
        if (m_had) {
            qputenv("TMPDIR", m_old);
        } else {
            qunsetenv("TMPDIR");
        }
    }
    TmpdirOverride(const TmpdirOverride&) = delete;
    TmpdirOverride& operator=(const TmpdirOverride&) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

TEST(PicturesTempFiles, CreatesAnEmptyFileNamedWithThePrefixInTheDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TempFiles temps;
    const std::optional<CreatedFile> made = temps.createUniqueFile(dir.path(), u"~rs"_s);
    ASSERT_TRUE(made.has_value());
    const QFileInfo info(made->path);
    EXPECT_TRUE(info.isFile());
    EXPECT_EQ(info.size(), 0);
    EXPECT_TRUE(info.fileName().startsWith(u"~rs"_s)) << info.fileName().toStdString();
    EXPECT_EQ(info.absoluteDir(), QDir(dir.path()));
    EXPECT_EQ(info.permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
}

// The file comes back open: what is written through it is in the file of that name, and reads back.
TEST(PicturesTempFiles, HandsOutTheFileOpen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TempFiles temps;
    const std::optional<CreatedFile> made = temps.createUniqueFile(dir.path(), u"~rs"_s);
    ASSERT_TRUE(made.has_value());
    ASSERT_NE(made->file, nullptr);
    ASSERT_TRUE(made->file->isOpen());
    ASSERT_EQ(made->file->write("GIF89a"), 6);
    QFile byName(made->path);
    ASSERT_TRUE(byName.open(QIODevice::ReadOnly));
    EXPECT_EQ(byName.readAll(), QByteArray("GIF89a"));
    ASSERT_TRUE(made->file->seek(0));
    EXPECT_EQ(made->file->readAll(), QByteArray("GIF89a"));
}

TEST(PicturesTempFiles, NeverHandsOutANameTwiceEvenAfterItsFileIsGone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TempFiles temps;
    std::set<QString> names;
    for (int i = 0; i < 50; ++i) {
        const std::optional<CreatedFile> made = temps.createUniqueFile(dir.path(), u"~rs"_s);
        ASSERT_TRUE(made.has_value());
        EXPECT_TRUE(names.insert(made->path).second) << made->path.toStdString();
        ASSERT_TRUE(QFile::remove(made->path));
    }
}

TEST(PicturesTempFiles, CreatesNothingWhereNoFileCanBeMade) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile plain(dir.filePath(u"plain.txt"_s));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    struct Case {
        const char* what;
        QString directory;
        QString prefix;
    };
    const Case cases[] = {
        {"missing directory", dir.filePath(u"missing"_s), u"~rs"_s},
        {"a file, not a directory", plain.fileName(), u"~rs"_s},
        {"no directory at all", QString(), u"~rs"_s},
        {"prefix leaving the directory", dir.path(), u"../~rs"_s},
    };
    TempFiles temps;
    for (const Case& c : cases) {
        EXPECT_FALSE(temps.createUniqueFile(c.directory, c.prefix).has_value()) << c.what;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{u"plain.txt"_s});
}

TEST(PicturesTempFiles, SystemTemporaryDirectoryIsTmpdirWhenItExists) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TempFiles temps;
    {
        const TmpdirOverride tmpdir(dir.path());
        const std::optional<QString> found = temps.systemTempDirectory();
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(QDir(*found), QDir(dir.path()));
    }
    {
        const TmpdirOverride tmpdir(dir.filePath(u"gone"_s));
        EXPECT_FALSE(temps.systemTempDirectory().has_value());
    }
}

} // namespace
