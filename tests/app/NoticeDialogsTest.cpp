#include <QtTest>

#include "app/gui/NoticeDialogs.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "platform/Resources.h"
#include "support/ModalSteps.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace kl;
using namespace kl::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Dialog { Information, Customizing, UserRegistration };

struct DialogCase {
    QString caption;
    QSize client;                                  // twips
    std::vector<std::pair<QString, int>> pictures; // image control, picture id
    QRect address;                                 // twips
};

DialogCase dialogCase(Dialog d) {
    switch (d) {
    case Dialog::Information:
        return {u"Tolvane製品のご案内"_s,
                {5895, 7815},
                {{u"Image2"_s, 101},
                 {u"Image1"_s, 103},
                 {u"Image4"_s, 113},
                 {u"Image5"_s, 131},
                 {u"Image6"_s, 136}},
                {150, 5905, 2175, 270}};
    case Dialog::Customizing:
        return {u"ショップにてご利用のユーザー様へ"_s,
                {6660, 5100},
                {{u"Image3"_s, 111}, {u"Image2"_s, 101}, {u"Image5"_s, 131}},
                {1080, 3250, 2175, 255}};
    case Dialog::UserRegistration:
        break;
    }
    return {u"Kavor Lintep 2005 ユーザー登録について"_s,
            {6660, 5100},
            {{u"Image2"_s, 101}, {u"Image3"_s, 111}, {u"Image5"_s, 131}},
            {1080, 3050, 2175, 255}};
}

QImage picture(int id) {
    QImage image;
    image.loadFromData(*platform::loadCustomResource(id));
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRect pixels(const QRect& t) {
    return {twips(t.x()), twips(t.y()), twips(t.width()), twips(t.height())};
}

} // namespace

Q_DECLARE_METATYPE(Dialog)

class NoticeDialogsTest : public WindowTest {
    Q_OBJECT

    Form& open(Dialog d) {
        switch (d) {
        case Dialog::Information:
            return ctx().forms().get<frmInformation>();
        case Dialog::Customizing:
            return ctx().forms().get<frmCustomizing>();
        case Dialog::UserRegistration:
            break;
        }
        return ctx().forms().get<frmUserRegistration>();
    }
    bool isLoaded(Dialog d) {
        switch (d) {
        case Dialog::Information:
            return ctx().forms().loaded<frmInformation>() != nullptr;
        case Dialog::Customizing:
            return ctx().forms().loaded<frmCustomizing>() != nullptr;
        case Dialog::UserRegistration:
            break;
        }
        return ctx().forms().loaded<frmUserRegistration>() != nullptr;
    }

    void addDialogs() {
        QTest::addColumn<Dialog>("dialog");
        QTest::newRow("frmInformation") << Dialog::Information;
        QTest::newRow("frmCustomizing") << Dialog::Customizing;
        QTest::newRow("frmUserRegistration") << Dialog::UserRegistration;
    }

private Q_SLOTS:
    void layoutAndPictures_data() { addDialogs(); }
    void layoutAndPictures() {
        QFETCH(Dialog, dialog);
        const DialogCase c = dialogCase(dialog);
        Form& d = open(dialog);
        QCOMPARE(d.windowTitle(), c.caption);
        QCOMPARE(d.client().size(), QSize(twips(c.client.width()), twips(c.client.height())));
        for (const auto& [name, id] : c.pictures) {
            const auto& image = need<ImageBox>(d, name);
            QVERIFY2(image.hasPicture(), qPrintable(name));
            QCOMPARE(image.Picture().toImage().convertToFormat(QImage::Format_ARGB32), picture(id));
            if (!image.Stretch()) {
                QCOMPARE(image.size(), picture(id).size());
            }
        }
        auto& address = need<TextBox>(d, u"Text1"_s);
        QCOMPARE(address.Text(), u"www.tolvane.example"_s);
        QCOMPARE(address.geometry(), pixels(c.address));
        QVERIFY(!address.hasFrame());
        QVERIFY(!address.Locked());
        QCOMPARE(need<CommandButton>(d, u"cmdOK"_s).text(), u"O K"_s);
        QCOMPARE(d.windowSpec().defaultButton, u"cmdOK"_s);
        QCOMPARE(d.windowSpec().cancelButton, u"cmdOK"_s);
        QCOMPARE(d.windowSpec().tabOrder.value(0), u"cmdOK"_s);
        QCOMPARE(d.focusWidget(), &need<CommandButton>(d, u"cmdOK"_s));
    }

    void shopNoticeTexts_data() {
        QTest::addColumn<Dialog>("dialog");
        QTest::addColumn<QString>("heading");
        QTest::newRow("frmCustomizing") << Dialog::Customizing << u"ショップにてご利用のユーザー様へ"_s;
        QTest::newRow("frmUserRegistration") << Dialog::UserRegistration << u"ユーザー登録について"_s;
    }
    void shopNoticeTexts() {
        QFETCH(Dialog, dialog);
        QFETCH(QString, heading);
        Form& d = open(dialog);
        auto& title = need<Label>(d, u"Label3"_s);
        QCOMPARE(title.Caption(), heading);
        QCOMPARE(title.palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(title.font().bold());
        QCOMPARE(title.font().pointSizeF(), 12.0);
        auto& body = need<Label>(d, u"Label4"_s);
        QVERIFY(body.wordWrap());
        QCOMPARE(body.geometry(), pixels({1080, 600, 5355, 2700}));
        QVERIFY2(body.Caption().contains(u"\r\n\r\n"_s), "paragraphs apart by an empty line");
        QVERIFY2(body.heightForWidth(body.width()) <= body.height(), "the whole body fits its label");
    }

    void informationSentence() {
        Form& d = open(Dialog::Information);
        auto& pointer = need<Label>(d, u"Label3"_s);
        QCOMPARE(pointer.pos(), QPoint(twips(150), twips(5665)));
        QVERIFY(pointer.Caption().contains(u"ヘルプ"_s));
        QVERIFY(pointer.width() >= pointer.sizeHint().width());
        QVERIFY2(pointer.geometry().right() < twips(150 + 5130), "the sentence fits the width of the layout");
    }

    void waysToClose_data() {
        QTest::addColumn<Dialog>("dialog");
        QTest::addColumn<QString>("how");
        for (Dialog d : {Dialog::Information, Dialog::Customizing, Dialog::UserRegistration}) {
            for (const char* how :
                 {"OK", "Enter in the address box", "Esc in the address box", "Esc", "close button"}) {
                QTest::addRow("%d %s", static_cast<int>(d), how) << d << QString::fromLatin1(how);
            }
        }
    }
    void waysToClose() {
        QFETCH(Dialog, dialog);
        QFETCH(QString, how);
        Form& d = open(dialog);
        bool closed = false;
        whenModal([&] {
            auto& address = need<TextBox>(d, u"Text1"_s);
            if (how == u"OK"_s) {
                need<CommandButton>(d, u"cmdOK"_s).click();
            } else if (how == u"Enter in the address box"_s) {
                address.setFocus();
                QTest::keyClick(&address, Qt::Key_Return);
            } else if (how == u"Esc in the address box"_s) {
                QTest::keyClick(&address, Qt::Key_Escape);
            } else if (how == u"Esc"_s) {
                QTest::keyClick(keyTarget(d), Qt::Key_Escape);
            } else {
                d.close();
            }
            closed = !isLoaded(dialog);
        });
        d.showModal(nullptr);
        QVERIFY(closed);
    }

    void changedAddressIsBackAtTheNextOpening_data() { addDialogs(); }
    void changedAddressIsBackAtTheNextOpening() {
        QFETCH(Dialog, dialog);
        Form* first = &open(dialog);
        auto& address = need<TextBox>(*first, u"Text1"_s);
        address.setFocus();
        QTest::keyClicks(&address, u"xyz"_s);
        QVERIFY(address.Text() != u"www.tolvane.example"_s);
        first->Unload();
        flushUnloads();
        QCOMPARE(need<TextBox>(open(dialog), u"Text1"_s).Text(), u"www.tolvane.example"_s);
    }
};

QTEST_MAIN(NoticeDialogsTest)
#include "NoticeDialogsTest.moc"
