#include <csignal>
#include <memory>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Controls.h"
#include "results/gui/Form4.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace Qt::StringLiterals;
using kl::TextBox;
using kl::platform::MsgIcon;

namespace {

// The boxes of a result as an analysis leaves them (the rear-right wheel left empty), with the rear
// "after" combination edited by the user, quotes and all.
const std::pair<QString, QString> Boxes[] = {
    {u"F4_WTF_Kumiawase_Old_TXT"_s, u"ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16"_s},
    {u"F4_WTF_Kumiawase_New_TXT"_s, u"ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17"_s},
    {u"F4_WTR_Kumiawase_Old_TXT"_s, u"ﾎｲｰﾙ：6.5×16 ±0  ﾀｲﾔ：205/55-16"_s},
    {u"F4_WTR_Kumiawase_New_TXT"_s, u"\"RS-7\", 7.5×17"_s},
    {u"F4_TD_FA_Old_TXT"_s, u"631.9"_s},
    {u"F4_TD_FA_New_TXT"_s, u"634.3"_s},
    {u"F4_TD_RA_Old_TXT"_s, u"631.9"_s},
    {u"F4_TD_RA_New_TXT"_s, u"634.3"_s},
    {u"F4_FC_FL_Hikikomi_Old_TXT"_s, u"25.0"_s},
    {u"F4_FC_FL_Hikikomi_New_TXT"_s, u"15.0"_s},
    {u"F4_FC_FL_Joubu_Old_TXT"_s, u"40.0"_s},
    {u"F4_FC_FL_Joubu_New_TXT"_s, u"38.8"_s},
    {u"F4_FC_FL_Zengo_Old_TXT"_s, u"30.0"_s},
    {u"F4_FC_FL_Zengo_New_TXT"_s, u"28.8"_s},
    {u"F4_FC_FR_Hikikomi_Old_TXT"_s, u"24.5"_s},
    {u"F4_FC_FR_Hikikomi_New_TXT"_s, u"14.5"_s},
    {u"F4_FC_FR_Joubu_Old_TXT"_s, u"39.0"_s},
    {u"F4_FC_FR_Joubu_New_TXT"_s, u"37.8"_s},
    {u"F4_FC_FR_Zengo_Old_TXT"_s, u"31.0"_s},
    {u"F4_FC_FR_Zengo_New_TXT"_s, u"29.8"_s},
    {u"F4_FC_RL_Hikikomi_Old_TXT"_s, u"30.0"_s},
    {u"F4_FC_RL_Hikikomi_New_TXT"_s, u"-0.5"_s},
    {u"F4_FC_RL_Joubu_Old_TXT"_s, u"45.0"_s},
    {u"F4_FC_RL_Joubu_New_TXT"_s, u"43.8"_s},
    {u"F4_FC_RL_Zengo_Old_TXT"_s, u"35.0"_s},
    {u"F4_FC_RL_Zengo_New_TXT"_s, u"33.8"_s},
    {u"F4_FC_FL_ZOUKA_New_TXT"_s, u"+10.0"_s},
    {u"F4_FC_FR_ZOUKA_New_TXT"_s, u"+10.0"_s},
    {u"F4_FC_RL_ZOUKA_New_TXT"_s, u"±0.0"_s},
};

// What the save writes for those boxes: code page 932, one quoted text a line, inner quotes doubled.
QByteArray expectedFile() {
    const QByteArray wheel("\"\xCE\xB2\xB0\xD9\x81\x46"); // "ﾎｲｰﾙ：
    const QByteArray tyre("\xC0\xB2\xD4\x81\x46");        // ﾀｲﾔ：
    QByteArray file;
    file += wheel +
            "6.5\x81\x7E"
            "16 +45  " +
            tyre + "205/55-16\"\r\n";
    file += wheel +
            "7.5\x81\x7E"
            "17 +45  " +
            tyre + "225/45-17\"\r\n";
    file += wheel +
            "6.5\x81\x7E"
            "16 \x81\x7D"
            "0  " +
            tyre + "205/55-16\"\r\n";
    file += "\"\"\"RS-7\"\", 7.5\x81\x7E"
            "17\"\r\n";
    file += "\"631.9\"\r\n\"634.3\"\r\n\"631.9\"\r\n\"634.3\"\r\n";
    file += "\"25.0\"\r\n\"15.0\"\r\n\"40.0\"\r\n\"38.8\"\r\n\"30.0\"\r\n\"28.8\"\r\n";
    file += "\"24.5\"\r\n\"14.5\"\r\n\"39.0\"\r\n\"37.8\"\r\n\"31.0\"\r\n\"29.8\"\r\n";
    file += "\"30.0\"\r\n\"-0.5\"\r\n\"45.0\"\r\n\"43.8\"\r\n\"35.0\"\r\n\"33.8\"\r\n";
    file += QByteArray("\"\"\r\n").repeated(6);
    file += "\"+10.0\"\r\n\"+10.0\"\r\n\"\x81\x7D"
            "0.0\"\r\n\"\"\r\n";
    return file;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray OldFile = QByteArray("\"old\"\r\n").repeated(36);

} // namespace

class SaveResultFileTest : public kl::testing::WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    kl::Form4& window() { return ctx().forms().get<kl::Form4>(); }
    QString path(const QString& name) const { return m_dir->filePath(name); }

    void fillBoxes() {
        for (const auto& [name, text] : Boxes) {
            window().control<TextBox>(name).setText(text);
        }
        window().control<TextBox>(u"F4_RESULT_TXT"_s).setText(u"N G"_s);
    }
    // Every box's text, to see that a save changes none.
    QStringList texts() {
        QStringList all;
        for (const TextBox* box : window().findChildren<TextBox*>()) {
            all << box->objectName() + u'=' + box->Text();
        }
        return all;
    }
    void save() { window().control<QAction>(u"mnuFileSave"_s).trigger(); }

private Q_SLOTS:
    void init() {
        kl::testing::WindowTest::init();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup() {
        kl::testing::WindowTest::cleanup();
        m_dir.reset();
    }

    void savesTheBoxesInFileOrder_data() {
        QTest::addColumn<bool>("byShortcut");
        QTest::newRow("menu item") << false;
        QTest::newRow("Ctrl+S") << true;
    }

    void savesTheBoxesInFileOrder() {
        QFETCH(bool, byShortcut);

        kl::Form4& w = window();
        fillBoxes();
        const QStringList before = texts();
        const QString target = path(u"result.rdw"_s);
        QVERIFY(writeAll(target, OldFile + OldFile));
        test().fileDialogs.answers.push_back(target);

        if (byShortcut) {
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        } else {
            save();
        }

        QCOMPARE(test().fileDialogs.asked.size(), std::size_t(1));
        const auto& asked = test().fileDialogs.asked.front();
        QVERIFY(asked.kind == kl::testing::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(asked.request.filter, u"ResultData(*.rdw)"_s);
        QCOMPARE(asked.request.presetName, u"*.rdw"_s);
        QCOMPARE(asked.owner, &w);
        QCOMPARE(readAll(target), expectedFile());
        QVERIFY(test().boxes.asked.empty());
        QCOMPARE(texts(), before);
        QCOMPARE(ctx().forms().loaded<kl::Form4>(), &w);
    }

    // A name typed without an extension is saved as typed.
    void nameWithoutExtension() {
        fillBoxes();
        test().fileDialogs.answers.push_back(path(u"result"_s));
        save();
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"result"_s});
        QCOMPARE(readAll(path(u"result"_s)), expectedFile());
    }

    void cancelWritesNothing() {
        fillBoxes();
        const QStringList before = texts();
        save();
        QCOMPARE(test().fileDialogs.asked.size(), std::size_t(1));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(test().boxes.asked.empty());
        QCOMPARE(texts(), before);
    }

    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("folder cannot be written") << u"folder"_s;
        QTest::newRow("write fails partway") << u"partway"_s;
    }

    // Nothing half-written: the old file stays whole and the user is told that the result was not saved.
    void failedSaveKeepsTheOldFile() {
        QFETCH(QString, failure);

        fillBoxes();
        const QStringList before = texts();
        QString target = path(u"result.rdw"_s);
        QString kept = target;
        if (failure == u"folder") {
            kept = path(u"not-a-folder"_s);
            target = kept + u"/result.rdw"_s;
        }
        QVERIFY(writeAll(kept, OldFile));
        test().fileDialogs.answers.push_back(target);

        if (failure == u"partway") {
            // The largest file this process may write is made smaller than the result: a disk that fills up.
            rlimit saved{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 100;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            save();
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            save();
        }

        QCOMPARE(readAll(kept), OldFile);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(kept).fileName()});
        QCOMPARE(test().boxes.asked.size(), std::size_t(1));
        const auto& box = test().boxes.asked.front();
        QCOMPARE(box.title, u"Kavor Lintep 2005"_s);
        QVERIFY(box.icon == MsgIcon::Exclamation);
        QVERIFY(box.buttons == kl::platform::MsgButtons::Ok);
        QVERIFY2(box.text.startsWith(u"解析結果を保存できませんでした。\u3000\u3000\n\n保存先："_s + target +
                                     u"\n理由："_s),
                 qPrintable(box.text));
        QVERIFY(box.text.size() > box.text.indexOf(u"理由："_s) + 3);
        QCOMPARE(test().boxes.owners.front(), &window());
        QCOMPARE(texts(), before);
    }

    // A character code page 932 cannot hold would be written as something else: the save is refused.
    void unrepresentableCharacterIsRefused() {
        fillBoxes();
        auto& edited = window().control<TextBox>(u"F4_WTF_Kumiawase_New_TXT"_s);
        edited.setFocus();
        edited.end(false);
        // Typed through the input method, as Japanese text is.
        QInputMethodEvent typed;
        typed.setCommitString(u" 〜€"_s);
        QApplication::sendEvent(&edited, &typed);
        const QString target = path(u"result.rdw"_s);
        QVERIFY(writeAll(target, OldFile));
        test().fileDialogs.answers.push_back(target);

        save();

        QCOMPARE(readAll(target), OldFile);
        QCOMPARE(test().boxes.asked.size(), std::size_t(1));
        const auto& box = test().boxes.asked.front();
        QCOMPARE(box.text, u"解析結果を保存できませんでした。\u3000\u3000\n\n「〜」(U+301C) "
                           u"はファイルに書き込めない文字です。"
                           u"この文字を除いてから、もう一度保存して下さい。"_s);
        QCOMPARE(box.title, u"Kavor Lintep 2005"_s);
        QVERIFY(box.icon == MsgIcon::Exclamation);
        QCOMPARE(edited.Text(), u"ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：225/45-17 〜€"_s);
    }
};

QTEST_MAIN(SaveResultFileTest)
#include "SaveResultFileTest.moc"
