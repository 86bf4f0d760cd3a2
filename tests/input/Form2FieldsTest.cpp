#include <memory>

#include <QAction>
#include <QtTest>

#include "Form2Testing.h"
#include "input/gui/Form2Fields.h"

using namespace Qt::Literals::StringLiterals;
using kl::Form2;
using namespace kl::testing;

class Form2FieldsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormTestContext> m_test;

    Form2& window() { return m_test->ctx->forms().get<Form2>(); }

private Q_SLOTS:
    void initTestCase() { prepareWidgetTests(); }
    void init() { m_test = std::make_unique<FormTestContext>(); }
    void cleanup() {
        m_test.reset();
        const QString left = leftoverForm();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    // Each rear block is governed by its own same-as-front box and menu item.
    void rearBlocksAreGovernedByTheirOwnBox() {
        const kl::Form2Fields& f = window().fields();
        QVERIFY(f.sameAsFrontOf(kl::SizeBlock::BeforeFront) == nullptr);
        QVERIFY(f.sameAsFrontOf(kl::SizeBlock::AfterFront) == nullptr);
        const kl::SameAsFrontFields* before = f.sameAsFrontOf(kl::SizeBlock::BeforeRear);
        QVERIFY(before != nullptr);
        QCOMPARE(before->box.objectName(), u"Check1"_s);
        QCOMPARE(before->menuItem.objectName(), u"mnuBeforeSameFront"_s);
        QCOMPARE(f.block(kl::SizeBlock::BeforeRear).direction.objectName(), u"Combo2"_s);
        const kl::SameAsFrontFields* after = f.sameAsFrontOf(kl::SizeBlock::AfterRear);
        QVERIFY(after != nullptr);
        QCOMPARE(after->box.objectName(), u"Check2"_s);
        QCOMPARE(after->menuItem.objectName(), u"mnuAfterSameFront"_s);
        QCOMPARE(f.block(kl::SizeBlock::AfterRear).direction.objectName(), u"Combo4"_s);
    }

    void aMissingFieldFailsTheResolvingWithItsName_data() {
        QTest::addColumn<QString>("missing");
        for (const QString& name : {u"Combo26"_s, u"Combo3"_s, u"Text18"_s, u"F2_FC_RL_Joubu_Old_TXT"_s,
                                    u"Check2"_s, u"mnuAfterSameFront"_s, u"Image13"_s, u"Label_Kaisetsu"_s,
                                    u"Command1"_s, u"Command2"_s, u"Image4"_s, u"Image5"_s, u"Image11"_s}) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    // The fields are found in one place; a control the window lacks stops it there, by name.
    void aMissingFieldFailsTheResolvingWithItsName() {
        QFETCH(QString, missing);
        Form2& f = window();
        QObject* control = f.findChild<QObject*>(missing);
        QVERIFY2(control != nullptr, qPrintable(missing));
        control->setObjectName(missing + u"_renamed"_s);
        QString failure;
        try {
            kl::resolveForm2Fields(f);
        } catch (const kl::MissingControl& e) {
            failure = QString::fromUtf8(e.what());
        }
        QCOMPARE(failure, u"Form2."_s + missing);
    }
};

QTEST_MAIN(Form2FieldsTest)
#include "Form2FieldsTest.moc"
