#include <csignal>
#include <memory>

#include <sys/resource.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "Form2Testing.h"
#include "input/InputFile.h"
#include "support/UnreadableFiles.h"
#include "support/WindowTest.h"

using namespace Qt::Literals::StringLiterals;
using kl::CheckBox;
using kl::ComboBox;
using kl::Form2;
using kl::TextBox;
using namespace kl::testing;

namespace {

// The 36 controls in the order of the file's lines.
const QStringList kLines{
    u"Combo11"_s,
    u"Combo12"_s,
    u"Combo1"_s,
    u"Text13"_s,
    u"Combo14"_s,
    u"Combo15"_s,
    u"F2_FC_FL_Hikikomi_Old_TXT"_s,
    u"F2_FC_FL_Joubu_Old_TXT"_s,
    u"F2_FC_FL_Zengo_Old_TXT"_s,
    u"F2_FC_FR_Hikikomi_Old_TXT"_s,
    u"F2_FC_FR_Joubu_Old_TXT"_s,
    u"F2_FC_FR_Zengo_Old_TXT"_s,
    u"Combo16"_s,
    u"Combo17"_s,
    u"Combo2"_s,
    u"Text18"_s,
    u"Combo19"_s,
    u"Combo20"_s,
    u"F2_FC_RL_Hikikomi_Old_TXT"_s,
    u"F2_FC_RL_Joubu_Old_TXT"_s,
    u"F2_FC_RL_Zengo_Old_TXT"_s,
    u"F2_FC_RR_Hikikomi_Old_TXT"_s,
    u"F2_FC_RR_Joubu_Old_TXT"_s,
    u"F2_FC_RR_Zengo_Old_TXT"_s,
    u"Combo21"_s,
    u"Combo22"_s,
    u"Combo3"_s,
    u"Text23"_s,
    u"Combo24"_s,
    u"Combo25"_s,
    u"Combo26"_s,
    u"Combo27"_s,
    u"Combo4"_s,
    u"Text28"_s,
    u"Combo29"_s,
    u"Combo30"_s,
};

// A whole window as the user leaves it, in line order; "－" in Combo4 has no offset typed yet.
const QStringList kWindow{
    u"15"_s,  u"6.5"_s,  u"＋"_s, u"45"_s,   u"195"_s, u"65"_s, u"12"_s, u"30.5"_s, u".5"_s,
    u"1,5"_s, u"2.50"_s, u"7"_s,  u"15"_s,   u"6.5"_s, u"－"_s, u"10"_s, u"195"_s,  u"65"_s,
    u"11"_s,  u"29"_s,   u"8"_s,  u"11.5"_s, u"28"_s,  u"5."_s, u"17"_s, u"7.5"_s,  u"±"_s,
    u"0"_s,   u"215"_s,  u"45"_s, u"17"_s,   u"8"_s,   u"－"_s, u""_s,   u"225"_s,  u"40"_s,
};

// Its file, byte for byte ("＋" 81 7B, "－" 81 7C, "±" 81 7D in code page 932).
const QByteArray kWindowFile("15\r\n6.5\r\n\"\x81\x7B\"\r\n45\r\n195\r\n65\r\n12\r\n30.5\r\n0.5\r\n"
                             "1\r\n2.5\r\n7\r\n15\r\n6.5\r\n\"\x81\x7C\"\r\n10\r\n195\r\n65\r\n"
                             "11\r\n29\r\n8\r\n11.5\r\n28\r\n5\r\n17\r\n7.5\r\n\"\x81\x7D\"\r\n"
                             "0\r\n215\r\n45\r\n17\r\n8\r\n\"\x81\x7C\"\r\n0\r\n225\r\n40\r\n");

// Puts a window's values into the controls: a list chooses its item, a box takes its text.
void fill(Form2& f, const QStringList& values) {
    for (qsizetype i = 0; i < kLines.size(); ++i) {
        if (kLines[i].startsWith(u"Combo")) {
            auto& list = f.control<ComboBox>(kLines[i]);
            list.setListIndex(values[i].isEmpty() ? -1 : list.findText(values[i]));
        } else {
            f.control<TextBox>(kLines[i]).setText(values[i]);
        }
    }
}

QString textOf(Form2& f, const QString& name) {
    return name.startsWith(u"Combo") ? f.control<ComboBox>(name).Text() : f.control<TextBox>(name).Text();
}

QStringList windowValues(Form2& f) {
    QStringList values;
    for (const QString& name : kLines) {
        values.append(textOf(f, name));
    }
    return values;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// kWindowFile with some of its lines replaced (1-based), or cut after `keep` lines.
QByteArray patchedFile(const QMap<int, QByteArray>& lines, int keep = 36) {
    QList<QByteArray> all = kWindowFile.split('\n');
    all.removeLast();
    QByteArray file;
    for (int i = 0; i < keep; ++i) {
        QByteArray line = all[i].chopped(1);
        file += lines.value(i + 1, line) + "\r\n";
    }
    return file;
}

// While it lives, no file may grow beyond `bytes`: a write past it fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class Form2InputFileTest : public WindowTest {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    Form2& window() { return m_test->ctx->forms().get<Form2>(); }
    QString path(const QString& name) const { return QDir(m_dir->path()).absoluteFilePath(name); }

    void save(const QString& name) {
        m_test->fileDialogs.answers.push_back(path(name));
        window().control<QAction>(u"mnuFileSave"_s).trigger();
    }
    void open(const QString& name) {
        m_test->fileDialogs.answers.push_back(path(name));
        window().control<QAction>(u"mnuFileOpen"_s).trigger();
    }
    Form2& freshWindow() {
        window().Unload();
        flushUnloads();
        return window();
    }

private Q_SLOTS:
    void init() {
        WindowTest::init();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup() {
        WindowTest::cleanup();
        m_dir.reset();
    }

    void saveWritesTheWindowByteForByte() {
        fill(window(), kWindow);
        save(u"car.ipw"_s);
        QCOMPARE(readAll(path(u"car.ipw"_s)).toHex(' '), kWindowFile.toHex(' '));
        QVERIFY(m_test->boxes.asked.empty());
        const auto& asked = m_test->fileDialogs.asked;
        QCOMPARE(asked.size(), 1u);
        QCOMPARE(asked[0].kind, ScriptedFileDialogs::Kind::Save);
        QCOMPARE(asked[0].request.filter, u"InputData(*.ipw)"_s);
        QCOMPARE(asked[0].request.presetName, u"*.ipw"_s);
        QCOMPARE(asked[0].owner, &window());
        // Saving changes nothing in the window.
        QCOMPARE(windowValues(window()), kWindow);
    }

    // Cleared or never filled, the window saves as 32 zeros and four empty directions.
    void anEmptyWindowSavesZeros_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("fresh") << u"fresh"_s;
        QTest::newRow("after the full clear") << u"Command2"_s;
        QTest::newRow("after the values-only clear") << u"mnuDataClear"_s;
    }

    void anEmptyWindowSavesZeros() {
        QFETCH(QString, how);
        Form2& f = window();
        if (how != u"fresh") {
            fill(f, kWindow);
            f.control<CheckBox>(u"Check1"_s).setValue(1);
            if (how == u"Command2") {
                f.Command2_Click();
            } else {
                f.mnuDataClear_Click();
            }
        }
        save(u"empty.ipw"_s);
        QCOMPARE(readAll(path(u"empty.ipw"_s)), inputFileWith());
    }

    // A ticked box has emptied its rear wheel, so those lines hold 0, 0, "" and 0.
    void aTickedBoxSavesAnEmptyRearWheel() {
        Form2& f = window();
        fill(f, kWindow);
        f.control<CheckBox>(u"Check1"_s).setValue(1);
        save(u"ticked.ipw"_s);
        QCOMPARE(readAll(path(u"ticked.ipw"_s)),
                 patchedFile({{13, "0"}, {14, "0"}, {15, "\"\""}, {16, "0"}}));
    }

    void cancelledDialogsChangeNothing() {
        Form2& f = window();
        fill(f, kWindow);
        const QStringList before = windowValues(f);
        f.control<QAction>(u"mnuFileSave"_s).trigger();
        f.control<QAction>(u"mnuFileOpen"_s).trigger();
        m_test->fileDialogs.answers.push_back(QString());
        f.control<QAction>(u"mnuFileOpen"_s).trigger();
        QCOMPARE(windowValues(f), before);
        QVERIFY(m_test->boxes.asked.empty());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    }

    // Every value comes back into a fresh window; the check boxes are not part of the file.
    void saveThenLoadGivesBackEveryValue() {
        const QStringList window2{
            u"10"_s,   u"3"_s,   u"－"_s, u"38"_s,   u"135"_s,  u"30"_s, u"0.5"_s, u"99.9"_s, u"9999"_s,
            u"15"_s,   u"2.5"_s, u"1"_s,  u"20"_s,   u"11.5"_s, u"＋"_s, u"50"_s,  u"295"_s,  u"80"_s,
            u"12.3"_s, u"4"_s,   u"0"_s,  u"1.25"_s, u"33"_s,   u"7"_s,  u"12"_s,  u"3.5"_s,  u"±"_s,
            u"0"_s,    u"205"_s, u"55"_s, u"19"_s,   u"10.5"_s, u"＋"_s, u"5"_s,   u"285"_s,  u"75"_s,
        };
        fill(window(), window2);
        save(u"round.ipw"_s);
        Form2& f = freshWindow();
        open(u"round.ipw"_s);
        QCOMPARE(windowValues(f), window2);
        QVERIFY(f.control<TextBox>(u"Text23"_s).Locked());
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 0);
        QCOMPARE(f.focusWidget(), &f.control<QWidget>(u"Command1"_s));
        QVERIFY(m_test->boxes.asked.empty());
        QCOMPARE(m_test->fileDialogs.asked.back().kind, ScriptedFileDialogs::Kind::Open);
        QCOMPARE(m_test->fileDialogs.asked.back().request.filter, u"InputData(*.ipw)"_s);
        QCOMPARE(m_test->fileDialogs.asked.back().request.presetName, u"*.ipw"_s);
    }

    void handWrittenFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected"); // "control=text" after the load
        QTest::addColumn<QStringList>("locked");
        QTest::addColumn<int>("messages");

        QTest::newRow("as written") << kWindowFile
                                    << QStringList{u"Combo11=15"_s,
                                                   u"Combo1=＋"_s,
                                                   u"Text13=45"_s,
                                                   u"F2_FC_FL_Zengo_Old_TXT=0.5"_s,
                                                   u"F2_FC_FR_Hikikomi_Old_TXT=1"_s,
                                                   u"F2_FC_FR_Joubu_Old_TXT=2.5"_s,
                                                   u"Combo2=－"_s,
                                                   u"Combo20=65"_s,
                                                   u"Combo3=±"_s,
                                                   u"Text23=0"_s,
                                                   u"Combo30=40"_s}
                                    << QStringList{u"Text23"_s} << 0;
        QTest::newRow("point without zero")
            << patchedFile({{7, ".5"}}) << QStringList{u"F2_FC_FL_Hikikomi_Old_TXT=0.5"_s}
            << QStringList{u"Text23"_s} << 0;
        // A comma ends a value: 1 and 5 are two values, and every later line lands one control further.
        // The four-character limit is the user's: a longer value from the file arrives whole.
        QTest::newRow("longer than four characters")
            << patchedFile({{4, "12.25"}, {7, "0.125"}, {9, "123.5"}})
            << QStringList{u"Text13=12.25"_s, u"F2_FC_FL_Hikikomi_Old_TXT=0.125"_s,
                           u"F2_FC_FL_Zengo_Old_TXT=123.5"_s}
            << QStringList{u"Text23"_s} << 0;
        QTest::newRow("1,5 on a line") << patchedFile({{10, "1,5"}})
                                       << QStringList{u"F2_FC_FR_Hikikomi_Old_TXT=1"_s,
                                                      u"F2_FC_FR_Joubu_Old_TXT=5"_s,
                                                      u"F2_FC_FR_Zengo_Old_TXT=2.5"_s,
                                                      u"Combo16=prepared"_s,
                                                      u"Text18=0"_s,
                                                      u"Combo2=prepared"_s,
                                                      u"Combo3=prepared"_s,
                                                      u"Text23=0"_s,
                                                      u"Combo29=prepared"_s,
                                                      u"Combo30=prepared"_s}
                                       << QStringList{u"Text18"_s, u"Text23"_s, u"Text28"_s} << 0;
        QTest::newRow("-5 on line 16")
            << patchedFile({{16, "-5"}}) << QStringList{u"Text18="_s, u"Combo2=－"_s}
            << QStringList{u"Text23"_s} << 1;
        QTest::newRow("a size not in its list")
            << patchedFile({{1, "11"}, {18, "33"}, {36, "0"}})
            << QStringList{u"Combo11=prepared"_s, u"Combo20=prepared"_s, u"Combo30=prepared"_s}
            << QStringList{u"Text23"_s} << 0;
        QTest::newRow("fewer than 36 lines") << patchedFile({}, 10)
                                             << QStringList{u"F2_FC_FR_Hikikomi_Old_TXT=1"_s,
                                                            u"F2_FC_FR_Joubu_Old_TXT=0"_s,
                                                            u"Text18=0"_s,
                                                            u"Text28=0"_s,
                                                            u"Combo16=prepared"_s,
                                                            u"Combo2=prepared"_s,
                                                            u"Combo30=prepared"_s}
                                             << QStringList{u"Text18"_s, u"Text23"_s, u"Text28"_s} << 0;
        QTest::newRow("blank lines keep their places")
            << patchedFile({{5, ""}, {8, ""}})
            << QStringList{u"Combo14=prepared"_s, u"F2_FC_FL_Joubu_Old_TXT=0"_s, u"Combo15=65"_s,
                           u"Combo30=40"_s}
            << QStringList{u"Text23"_s} << 0;
        QTest::newRow("± with its locked box")
            << patchedFile({{3, "\"\x81\x7D\""}, {4, "25"}}) << QStringList{u"Combo1=±"_s, u"Text13=25"_s}
            << QStringList{u"Text13"_s, u"Text23"_s} << 0;
    }

    // Into a window whose lists already hold a choice: a list keeps it when the file's value is no item.
    void handWrittenFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, locked);
        QFETCH(int, messages);
        Form2& f = window();
        QStringList prepared;
        for (const QString& name : kLines) {
            if (name.startsWith(u"Combo")) {
                auto& list = f.control<ComboBox>(name);
                list.setListIndex(list.count() - 1);
                prepared.append(list.Text());
            } else {
                prepared.append(QString());
            }
        }
        QVERIFY(writeFile(path(u"hand.ipw"_s), file));
        open(u"hand.ipw"_s);
        for (const QString& pair : expected) {
            const QString name = pair.section(u'=', 0, 0);
            QString value = pair.section(u'=', 1);
            if (value == u"prepared") {
                value = prepared[kLines.indexOf(name)];
            }
            QCOMPARE(textOf(f, name), value);
        }
        for (const QString& box : form2TypedBoxes()) {
            QVERIFY2(f.control<TextBox>(box).Locked() == locked.contains(box), qPrintable(box));
        }
        QCOMPARE(static_cast<int>(m_test->boxes.asked.size()), messages);
        QCOMPARE(f.focusWidget(), &f.control<QWidget>(u"Command1"_s));
    }

    // While a box is ticked its rear wheel stays disabled; the load still writes into it and leaves the box.
    void loadIntoATickedRearWheel() {
        Form2& f = window();
        f.control<CheckBox>(u"Check1"_s).setValue(1);
        QVERIFY(writeFile(path(u"car.ipw"_s), kWindowFile));
        open(u"car.ipw"_s);
        QCOMPARE(f.control<CheckBox>(u"Check1"_s).Value(), 1);
        QCOMPARE(f.control<ComboBox>(u"Combo16"_s).Text(), u"15"_s);
        QCOMPARE(f.control<ComboBox>(u"Combo2"_s).Text(), u"－"_s);
        QCOMPARE(f.control<TextBox>(u"Text18"_s).Text(), u"10"_s);
        QVERIFY(!f.control<ComboBox>(u"Combo16"_s).isEnabled());
        QVERIFY(!f.control<TextBox>(u"Text18"_s).isEnabled());
    }

    // A file that cannot be read changes nothing and says so; the entries on the screen are kept.
    void anUnreadableFileChangesNothing_data() { addUnreadableFileRows(u"ipw"_s); }

    void anUnreadableFileChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        // A real file in its first bytes.
        QVERIFY(makeUnreadableFiles(QDir(m_dir->path()), u"ipw"_s,
                                    kWindowFile +
                                        QByteArray(kl::kInputFileReadLimit + 1 - kWindowFile.size(), '\n')));
        Form2& f = window();
        fill(f, kWindow);
        const QStringList before = windowValues(f);
        open(name);
        QCOMPARE(windowValues(f), before);
        QCOMPARE(m_test->boxes.asked.size(), 1u);
        QCOMPARE(m_test->boxes.asked[0].text,
                 u"入力データを読み込めませんでした。\u3000\u3000\n\nファイル："_s + path(name) +
                     u"\n理由："_s + reason);
        QCOMPARE(m_test->boxes.asked[0].title, u"Kavor Lintep 2005"_s);
        QCOMPARE(m_test->boxes.asked[0].icon, kl::platform::MsgIcon::Exclamation);
    }

    void saveReplacesAnExistingFileWhole() {
        QVERIFY(writeFile(path(u"car.ipw"_s), QByteArray(2000, 'x')));
        save(u"car.ipw"_s);
        QCOMPARE(readAll(path(u"car.ipw"_s)), inputFileWith());
    }

    // A save that fails on the way keeps the file that was there and says the input was not saved.
    void aFailedSaveKeepsTheOldFile() {
        const QByteArray old = inputFileWith();
        QVERIFY(writeFile(path(u"car.ipw"_s), old));
        fill(window(), kWindow);
        {
            const FileSizeLimit limit(64);
            save(u"car.ipw"_s);
        }
        QCOMPARE(readAll(path(u"car.ipw"_s)), old);
        QCOMPARE(m_test->boxes.asked.size(), 1u);
        QCOMPARE(m_test->boxes.asked[0].text,
                 u"入力データを保存できませんでした。\u3000\u3000\n\n保存先："_s + path(u"car.ipw"_s) +
                     u"\n理由：ファイルが大きすぎます"_s);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"car.ipw"_s});
    }

    // A direction that would shift every later line if written raw: the window's lists never hold one,
    // so an item is added here. The save refuses, says why, and keeps the file that was there.
    void anUnwritableDirectionIsRefused_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("why");
        QTest::newRow("quote") << u"Combo2"_s << u"\"＋\""_s << u"「\"」(U+0022)"_s;
        QTest::newRow("line feed") << u"Combo4"_s << u"－\n"_s << u"U+000A"_s;
    }

    void anUnwritableDirectionIsRefused() {
        QFETCH(QString, list);
        QFETCH(QString, item);
        QFETCH(QString, why);
        const QByteArray old = inputFileWith();
        QVERIFY(writeFile(path(u"car.ipw"_s), old));
        fill(window(), kWindow);
        auto& direction = window().control<ComboBox>(list);
        direction.AddItem(item);
        direction.setListIndex(direction.count() - 1);
        save(u"car.ipw"_s);
        QCOMPARE(readAll(path(u"car.ipw"_s)), old);
        QCOMPARE(m_test->boxes.asked.size(), 1u);
        QCOMPARE(m_test->boxes.asked[0].text,
                 u"入力データを保存できませんでした。\u3000\u3000\n\n"_s + why +
                     u" はファイルに書き込めない文字です。この文字を除いてから、もう一度保存して下さい。"_s);
        QCOMPARE(m_test->boxes.asked[0].title, u"Kavor Lintep 2005"_s);
        QCOMPARE(m_test->boxes.asked[0].icon, kl::platform::MsgIcon::Exclamation);
        QCOMPARE(m_test->boxes.owners.at(0), &window());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"car.ipw"_s});
    }

    // The message says why, in the form the result window's save uses.
    void aSaveIntoAMissingFolderSaysSo() {
        save(u"no such folder/car.ipw"_s);
        QCOMPARE(m_test->boxes.asked.size(), 1u);
        QCOMPARE(m_test->boxes.asked[0].text,
                 u"入力データを保存できませんでした。\u3000\u3000\n\n保存先："_s +
                     path(u"no such folder/car.ipw"_s) +
                     u"\n理由：そのようなファイルやディレクトリはありません"_s);
        QVERIFY(!QFile::exists(path(u"no such folder/car.ipw"_s)));
    }

    // A name typed without the extension is saved as typed.
    void noExtensionIsAdded() {
        save(u"car"_s);
        QVERIFY(QFile::exists(path(u"car"_s)));
        QVERIFY(!QFile::exists(path(u"car.ipw"_s)));
    }
};

QTEST_MAIN(Form2InputFileTest)
#include "Form2InputFileTest.moc"
