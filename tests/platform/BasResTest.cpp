#include <csignal>
#include <memory>
#include <optional>
#include <utility>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "platform/ImageBox.h"
#include "platform/Platform.h"
#include "platform/TempFiles.h"
#include "platform/basRes.h"
#include "support/TestEnvironment.h"

using namespace Qt::Literals::StringLiterals;
using kl::ImageBox;
using kl::platform::CreatedFile;

namespace {

constexpr int NotAPicture = 9001; // a resource of this test program holding plain text

// The real temporary files, with a system temporary directory of the test's choosing and a record of
// what was asked and made.
class RecordingTempFiles : public kl::platform::TempFiles {
public:
    std::optional<QString> systemDirectory;
    int systemAsked = 0;
    QStringList directoriesAsked;
    QStringList created;

    std::optional<QString> systemTempDirectory() override {
        ++systemAsked;
        return systemDirectory;
    }
    std::optional<CreatedFile> createUniqueFile(const QString& directory, const QString& prefix) override {
        directoriesAsked.append(directory);
        std::optional<CreatedFile> made = TempFiles::createUniqueFile(directory, prefix);
        if (made) {
            created.append(made->path);
        }
        return made;
    }
};

// Hands out /dev/full, under a link, as the new file: it is open, but nothing can be written to it.
class FullDiskTempFiles : public RecordingTempFiles {
public:
    std::optional<CreatedFile> createUniqueFile(const QString& directory, const QString&) override {
        const QString link = QDir(directory).filePath(u"~rsFULL.tmp"_s);
        auto full = std::make_unique<QFile>(u"/dev/full"_s);
        if (!full->open(QIODevice::ReadWrite | QIODevice::Unbuffered) || !QFile::link(u"/dev/full"_s, link)) {
            return std::nullopt;
        }
        created.append(link);
        return CreatedFile{link, std::move(full)};
    }
};

// Makes the file as the real service does, then swaps its name for a link to another file, as someone
// sharing the temporary directory could: the loader must not write through the name.
class SwappingTempFiles : public RecordingTempFiles {
public:
    QString target;
    std::optional<CreatedFile> createUniqueFile(const QString& directory, const QString& prefix) override {
        std::optional<CreatedFile> made = RecordingTempFiles::createUniqueFile(directory, prefix);
        if (made && (!QFile::remove(made->path) || !QFile::link(target, made->path))) {
            return std::nullopt;
        }
        return made;
    }
};

QStringList leftovers(const QString& directory) {
    return QDir(directory).entryList({u"~rs*"_s}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

} // namespace

class BasResTest : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_tmp;
    std::optional<RecordingTempFiles> m_temps;
    std::optional<QWidget> m_window;

    kl::testing::TestPlatform m_services;
    kl::platform::Platform platform() {
        kl::platform::Platform p = m_services.services();
        return {p.messageBoxes, *m_temps,     p.fileDialogs, p.clock,    p.pause,
                p.printers,     p.helpViewer, p.registry,    p.processes};
    }

private Q_SLOTS:
    void initTestCase() { kl::testing::prepareWidgetTests(); }

    void init() {
        m_tmp.emplace();
        QVERIFY(m_tmp->isValid());
        m_temps.emplace();
        m_temps->systemDirectory = m_tmp->path();
        m_window.emplace();
    }

    void cleanup() {
        m_window.reset();
        m_temps.reset();
        m_tmp.reset();
    }

    void cutAtNul_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three letters, NUL, three letters") << u"abc\0def"_s << u"abc"_s;
        QTest::newRow("buffer padded with NUL") << u"/tmp/~rs1A.tmp\0\0\0\0"_s << u"/tmp/~rs1A.tmp"_s;
        QTest::newRow("no NUL") << u"abcdef"_s << u"abcdef"_s;
        QTest::newRow("leading NUL") << u"\0abc"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void cutAtNul() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(kl::CutAtNul(text), expected);
    }

    void givenDirectoryIsUsedWithoutAskingForTheSystemOne_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("plain") << QString();
        QTest::newRow("NUL padded, read up to the NUL") << u"\0\0\0"_s;
    }
    void givenDirectoryIsUsedWithoutAskingForTheSystemOne() {
        QFETCH(QString, suffix);
        QTemporaryDir other;
        QVERIFY(other.isValid());
        QString name;
        QVERIFY(kl::MakeTempFileName(*m_temps, other.path() + suffix, u"~rs"_s, name));
        QCOMPARE(m_temps->systemAsked, 0);
        const QFileInfo made(name);
        QCOMPARE(made.absoluteDir(), QDir(other.path()));
        QVERIFY(made.fileName().startsWith(u"~rs"_s));
        QVERIFY(made.isFile());
        QCOMPARE(made.size(), 0);
        QVERIFY(leftovers(m_tmp->path()).isEmpty());
    }

    void emptyDirectoryMeansTheSystemOne() {
        QString name;
        QVERIFY(kl::MakeTempFileName(*m_temps, QString(), u"~rs"_s, name));
        QCOMPARE(m_temps->systemAsked, 1);
        QCOMPARE(QFileInfo(name).absoluteDir(), QDir(m_tmp->path()));
        QCOMPARE(leftovers(m_tmp->path()).size(), 1);
    }

    void noSystemDirectoryLeavesTheNameAlone() {
        m_temps->systemDirectory.reset();
        QString name = u"as before"_s;
        QVERIFY(!kl::MakeTempFileName(*m_temps, QString(), u"~rs"_s, name));
        QCOMPARE(name, u"as before"_s);
        QVERIFY(m_temps->directoriesAsked.isEmpty());
    }

    void fileThatCannotBeMadeEmptiesTheName() {
        QString name = u"as before"_s;
        QVERIFY(!kl::MakeTempFileName(*m_temps, m_tmp->filePath(u"missing"_s), u"~rs"_s, name));
        QCOMPARE(name, QString());
    }

    void everyPictureShowsAtItsOwnSize_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparent");
        const struct {
            int id, w, h;
            bool gif;
        } pictures[] = {
            {101, 139, 25, true},  {102, 95, 17, true},    {103, 285, 363, true},  {106, 330, 38, true},
            {110, 296, 38, true},  {111, 50, 225, false},  {112, 50, 225, false},  {113, 50, 365, false},
            {117, 449, 52, false}, {119, 150, 35, false},  {120, 68, 13, true},    {121, 68, 13, true},
            {122, 125, 15, true},  {123, 125, 15, true},   {124, 36, 14, true},    {125, 62, 15, true},
            {126, 55, 13, true},   {130, 110, 15, true},   {131, 140, 14, true},   {132, 290, 24, true},
            {135, 290, 24, true},  {136, 290, 11, true},   {137, 143, 17, false},  {143, 202, 12, true},
            {144, 241, 12, true},  {157, 312, 36, true},   {159, 139, 25, false},  {160, 312, 36, true},
            {162, 155, 26, false}, {163, 152, 142, false}, {164, 152, 154, false}, {165, 152, 126, false},
            {171, 285, 36, false}, {172, 337, 123, true},
        };
        for (const auto& p : pictures) {
            QTest::addRow("%d", p.id) << p.id << QSize(p.w, p.h) << p.gif;
        }
    }
    void everyPictureShowsAtItsOwnSize() {
        QFETCH(int, id);
        QFETCH(QSize, size);
        QFETCH(bool, transparent);
        kl::platform::Platform p = platform();
        ImageBox box(&*m_window, u"Image1"_s);
        box.resize(400, 400);
        QVERIFY(kl::LoadResourcePicture(p, id, box));
        QCOMPARE(box.Picture().size(), size);
        QCOMPARE(box.size(), size);
        QCOMPARE(box.Picture().hasAlphaChannel(), transparent);
        QCOMPARE(m_temps->created.size(), 1);
        QVERIFY(!QFile::exists(m_temps->created.first()));
        QCOMPARE(leftovers(m_tmp->path()), QStringList());
    }

    void tyreHeadingFillsBothFramesFromOneFile_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("front, 120") << 120;
        QTest::newRow("rear, 121") << 121;
    }
    void tyreHeadingFillsBothFramesFromOneFile() {
        QFETCH(int, id);
        kl::platform::Platform p = platform();
        ImageBox first(&*m_window, u"Image5"_s);
        ImageBox second(&*m_window, u"Image6"_s);
        QVERIFY(kl::LoadResourcePicture(p, id, first, &second));
        QCOMPARE(first.Picture().size(), QSize(68, 13));
        QCOMPARE(second.Picture().toImage(), first.Picture().toImage());
        QCOMPARE(m_temps->created.size(), 1);
        QVERIFY(leftovers(m_tmp->path()).isEmpty());
    }

    void stretchingControlKeepsItsSize_data() {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("stretching") << true << QSize(200, 50);
        QTest::newRow("not stretching") << false << QSize(139, 25);
    }
    void stretchingControlKeepsItsSize() {
        QFETCH(bool, stretch);
        QFETCH(QSize, expected);
        kl::platform::Platform p = platform();
        ImageBox box(&*m_window, u"Image2"_s, stretch);
        box.resize(200, 50);
        QVERIFY(kl::LoadResourcePicture(p, 101, box));
        QCOMPARE(box.size(), expected);
    }

    void logoShowsTheViewerColourThroughItsTransparentPixels() {
        const QColor viewer(239, 187, 141);
        QPalette palette = m_window->palette();
        palette.setColor(QPalette::Window, viewer);
        m_window->setPalette(palette);
        m_window->setAutoFillBackground(true);
        m_window->resize(120, 40);
        kl::platform::Platform p = platform();
        ImageBox logo(&*m_window, u"Image1"_s);
        QPalette own = logo.palette(); // would show if the control painted a background
        own.setColor(QPalette::Window, Qt::magenta);
        logo.setPalette(own);
        QVERIFY(kl::LoadResourcePicture(p, 102, logo));

        const QImage picture = logo.Picture().toImage();
        const QImage shown = m_window->grab().toImage();
        int clear = 0;
        int solid = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor own = picture.pixelColor(x, y);
                const QColor seen = shown.pixelColor(x, y);
                if (own.alpha() == 0) {
                    ++clear;
                    QCOMPARE(seen, viewer);
                } else if (own.alpha() == 255) {
                    ++solid;
                    QCOMPARE(seen, own);
                }
            }
        }
        QVERIFY(clear > 0);
        QVERIFY(solid > 0);
    }

    // Each way a load can fail: the control ends empty (even if it showed a picture), no temporary file
    // is left, the failure is reported and the caller goes on.
    void failedLoadShowsNothingAndLeavesNoFile_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("filesMade");
        QTest::newRow("no such picture") << u"none"_s << 104 << 0;
        QTest::newRow("no temporary directory") << u"no directory"_s << 163 << 0;
        QTest::newRow("temporary directory is a file") << u"file as directory"_s << 163 << 0;
        QTest::newRow("temporary directory is gone") << u"directory gone"_s << 163 << 0;
        QTest::newRow("temporary directory is not writable") << u"read-only directory"_s << 163 << 0;
        QTest::newRow("bytes are no picture") << u"none"_s << NotAPicture << 1;
    }
    void failedLoadShowsNothingAndLeavesNoFile() {
        QFETCH(QString, failure);
        QFETCH(int, id);
        QFETCH(int, filesMade);
        kl::platform::Platform p = platform();
        ImageBox figure(&*m_window, u"Image13"_s);
        ImageBox other(&*m_window, u"Image6"_s);
        QVERIFY(kl::LoadResourcePicture(p, 164, figure, &other));
        m_temps->created.clear();

        if (failure == u"no directory"_s) {
            m_temps->systemDirectory.reset();
        } else if (failure == u"file as directory"_s) {
            QFile plain(m_tmp->filePath(u"plain"_s));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            m_temps->systemDirectory = plain.fileName();
        } else if (failure == u"directory gone"_s) {
            m_temps->systemDirectory = m_tmp->filePath(u"gone"_s);
        } else if (failure == u"read-only directory"_s) {
            const QString locked = m_tmp->filePath(u"locked"_s);
            QVERIFY(QDir().mkdir(locked));
            QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
            QFile probe(QDir(locked).filePath(u"probe"_s));
            if (probe.open(QIODevice::WriteOnly)) { // a superuser writes anywhere
                probe.remove();
                QSKIP("this user can write into a read-only directory");
            }
            m_temps->systemDirectory = locked;
        }
        QVERIFY(!kl::LoadResourcePicture(p, id, figure, &other));
        QVERIFY(!figure.hasPicture());
        QVERIFY(!other.hasPicture());
        QCOMPARE(m_temps->created.size(), filesMade);
        QVERIFY(leftovers(m_tmp->path()).isEmpty());

        // The next picture loads as usual once the directory is usable again.
        m_temps->systemDirectory = m_tmp->path();
        QVERIFY(kl::LoadResourcePicture(p, 165, figure));
        QCOMPARE(figure.Picture().size(), QSize(152, 126));
    }

    // Written and read through the file the service made: the file a swapped-in link points to is left
    // as it was, and the picture still shows.
    void aNameSwappedForALinkIsNotWrittenThrough() {
        const QString own = m_tmp->filePath(u"own file.txt"_s);
        {
            QFile file(own);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write("the user's own text") > 0);
        }
        SwappingTempFiles swapping;
        swapping.systemDirectory = m_tmp->path();
        swapping.target = own;
        kl::platform::Platform s = m_services.services();
        kl::platform::Platform p{s.messageBoxes, swapping,     s.fileDialogs, s.clock,    s.pause,
                                 s.printers,     s.helpViewer, s.registry,    s.processes};
        ImageBox first(&*m_window, u"Image5"_s);
        ImageBox second(&*m_window, u"Image6"_s);
        QVERIFY(kl::LoadResourcePicture(p, 120, first, &second));
        QCOMPARE(first.Picture().size(), QSize(68, 13));
        QCOMPARE(second.Picture().size(), QSize(68, 13));
        QFile file(own);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the user's own text"));
        QCOMPARE(swapping.created.size(), 1);
        QVERIFY(leftovers(m_tmp->path()).isEmpty()); // the link is gone, not what it pointed to
    }

    void fileThatCannotBeWrittenIsRemoved() {
        if (!QFileInfo::exists(u"/dev/full"_s)) {
            QSKIP("needs /dev/full");
        }
        FullDiskTempFiles full;
        full.systemDirectory = m_tmp->path();
        kl::platform::Platform s = m_services.services();
        kl::platform::Platform p{s.messageBoxes, full,         s.fileDialogs, s.clock,    s.pause,
                                 s.printers,     s.helpViewer, s.registry,    s.processes};
        ImageBox box(&*m_window, u"Image4"_s);
        QVERIFY(!kl::LoadResourcePicture(p, 103, box));
        QVERIFY(!box.hasPicture());
        QCOMPARE(full.created.size(), 1);
        QVERIFY(leftovers(m_tmp->path()).isEmpty());
        QVERIFY(QFileInfo::exists(u"/dev/full"_s)); // only the link went
    }

    // The real temporary file under a file-size limit, with the signal that the limit raises ignored as the
    // program ignores it: the write fails at once or partway, and the file made for it goes all the same.
    void writePastTheFileSizeLimitLeavesNoFile_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing may be written") << 0;
        QTest::newRow("the picture is cut short") << 100;
    }
    void writePastTheFileSizeLimitLeavesNoFile() {
        QFETCH(int, limit);
        kl::platform::Platform p = platform();
        ImageBox box(&*m_window, u"Image1"_s);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = static_cast<rlim_t>(limit);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        // Nothing may check or print while the limit holds: the test's own output could be a file.
        const bool limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
        const bool shown = kl::LoadResourcePicture(p, 103, box);
        const bool restored = setrlimit(RLIMIT_FSIZE, &saved) == 0;
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(limited && restored);

        QVERIFY(!shown);
        QVERIFY(!box.hasPicture());
        QCOMPARE(m_temps->created.size(), 1);
        QVERIFY(leftovers(m_tmp->path()).isEmpty());
        // With the limit gone the same picture shows.
        QVERIFY(kl::LoadResourcePicture(p, 103, box));
        QCOMPARE(box.Picture().size(), QSize(285, 363));
    }
};

QTEST_MAIN(BasResTest)
#include "BasResTest.moc"
