#include "UnreadableFiles.h"

#include <sys/stat.h>

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace kl::testing {

void addUnreadableFileRows(const QString& suffix) {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    const QString notAFile = u"通常のファイルではありません"_s;
    QTest::newRow("missing file") << u"missing."_s + suffix
                                  << u"そのようなファイルやディレクトリはありません"_s;
    QTest::newRow("a folder") << u"folder."_s + suffix << notAFile;
    // Neither ends: read as a file, the first would fill the memory, the second wait for a writer.
    QTest::newRow("/dev/zero") << u"/dev/zero"_s << notAFile;
    QTest::newRow("a FIFO") << u"fifo."_s + suffix << notAFile;
    QTest::newRow("one byte over the bound") << u"large."_s + suffix << u"ファイルが大きすぎます"_s;
}

bool makeUnreadableFiles(const QDir& dir, const QString& suffix, const QByteArray& large) {
    if (!dir.mkdir(u"folder."_s + suffix) ||
        mkfifo(QFile::encodeName(dir.filePath(u"fifo."_s + suffix)).constData(), 0600) != 0) {
        return false;
    }
    QFile file(dir.filePath(u"large."_s + suffix));
    return file.open(QIODevice::WriteOnly) && file.write(large) == large.size();
}

} // namespace kl::testing
