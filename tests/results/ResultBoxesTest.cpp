#include <memory>

#include <QTest>

#include "platform/Controls.h"
#include "results/ResultFile.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "results/gui/ResultBoxes.h"
#include "support/TestEnvironment.h"

using namespace Qt::StringLiterals;
using namespace kl;

namespace {

// Makes the next load of the window build it without one of its controls.
template <class Window> void damage(FormRegistry& forms, const QString& missing) {
    forms.setFactory<Window>([missing](AppContext& ctx) -> std::unique_ptr<Form> {
        auto f = std::make_unique<Window>(ctx);
        delete f->template findChild<QWidget*>(missing);
        return f;
    });
}

} // namespace

class ResultBoxesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FormTestContext> m_test;

    static QStringList recordBoxNames(const ResultBoxes& boxes) {
        QStringList names;
        for (const TextBox* box : boxes.recordBoxes()) {
            names << box->objectName();
        }
        return names;
    }

private Q_SLOTS:
    void initTestCase() { testing::prepareWidgetTests(); }
    void init() { m_test = std::make_unique<testing::FormTestContext>(); }
    void cleanup() {
        m_test.reset();
        const QString left = testing::leftoverForm();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    // The boxes the result file is written from and read into, in file order.
    void recordBoxesFollowTheFileOrder() {
        const QStringList expected{
            u"F4_WTF_Kumiawase_Old_TXT"_s,  u"F4_WTF_Kumiawase_New_TXT"_s, u"F4_WTR_Kumiawase_Old_TXT"_s,
            u"F4_WTR_Kumiawase_New_TXT"_s,  u"F4_TD_FA_Old_TXT"_s,         u"F4_TD_FA_New_TXT"_s,
            u"F4_TD_RA_Old_TXT"_s,          u"F4_TD_RA_New_TXT"_s,         u"F4_FC_FL_Hikikomi_Old_TXT"_s,
            u"F4_FC_FL_Hikikomi_New_TXT"_s, u"F4_FC_FL_Joubu_Old_TXT"_s,   u"F4_FC_FL_Joubu_New_TXT"_s,
            u"F4_FC_FL_Zengo_Old_TXT"_s,    u"F4_FC_FL_Zengo_New_TXT"_s,   u"F4_FC_FR_Hikikomi_Old_TXT"_s,
            u"F4_FC_FR_Hikikomi_New_TXT"_s, u"F4_FC_FR_Joubu_Old_TXT"_s,   u"F4_FC_FR_Joubu_New_TXT"_s,
            u"F4_FC_FR_Zengo_Old_TXT"_s,    u"F4_FC_FR_Zengo_New_TXT"_s,   u"F4_FC_RL_Hikikomi_Old_TXT"_s,
            u"F4_FC_RL_Hikikomi_New_TXT"_s, u"F4_FC_RL_Joubu_Old_TXT"_s,   u"F4_FC_RL_Joubu_New_TXT"_s,
            u"F4_FC_RL_Zengo_Old_TXT"_s,    u"F4_FC_RL_Zengo_New_TXT"_s,   u"F4_FC_RR_Hikikomi_Old_TXT"_s,
            u"F4_FC_RR_Hikikomi_New_TXT"_s, u"F4_FC_RR_Joubu_Old_TXT"_s,   u"F4_FC_RR_Joubu_New_TXT"_s,
            u"F4_FC_RR_Zengo_Old_TXT"_s,    u"F4_FC_RR_Zengo_New_TXT"_s,   u"F4_FC_FL_ZOUKA_New_TXT"_s,
            u"F4_FC_FR_ZOUKA_New_TXT"_s,    u"F4_FC_RL_ZOUKA_New_TXT"_s,   u"F4_FC_RR_ZOUKA_New_TXT"_s};
        QCOMPARE(recordBoxNames(m_test->ctx->forms().get<Form4>().boxes()), expected);

        const QStringList viewer = recordBoxNames(m_test->ctx->forms().get<Form7>().boxes());
        QCOMPARE(viewer.first(), u"F7_WTF_Kumiawase_Old_TXT"_s);
        QCOMPARE(viewer[17], u"F7_FC_FR_Joubu_New_TXT"_s);
        QCOMPARE(viewer.last(), u"F7_FC_RR_ZOUKA_New_TXT"_s);
    }

    // The grades in the order the verdict reads them, and the comments: diameters first, then the wheels.
    void gradesAndComments() {
        const ResultBoxes& boxes = m_test->ctx->forms().get<Form7>().boxes();
        QStringList grades;
        for (const TextBox* box : boxes.gradeBoxes()) {
            grades << box->objectName();
        }
        QCOMPARE(grades.first(), u"F7_TD_FA_JG_TXT"_s);
        QCOMPARE(grades[1], u"F7_TD_RA_JG_TXT"_s);
        QCOMPARE(grades[2], u"F7_FC_FL_Hikikomi_JG_TXT"_s);
        QCOMPARE(grades[6], u"F7_FC_FR_Joubu_JG_TXT"_s);
        QCOMPARE(grades.last(), u"F7_FC_RR_Zengo_JG_TXT"_s);
        QStringList comments;
        for (const Label* label : boxes.comments()) {
            comments << label->objectName();
        }
        QCOMPARE(comments, (QStringList{u"F7_TD_FA_JGCOM_LBL"_s, u"F7_TD_RA_JGCOM_LBL"_s,
                                        u"F7_FC_FL_Total_JGCOM_LBL"_s, u"F7_FC_FR_Total_JGCOM_LBL"_s,
                                        u"F7_FC_RL_Total_JGCOM_LBL"_s, u"F7_FC_RR_Total_JGCOM_LBL"_s}));
        QCOMPARE(boxes.verdict.objectName(), u"F7_RESULT_TXT"_s);
    }

    void aMissingBoxFailsTheLoadWithItsName_data() {
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<QString>("missing");
        QTest::newRow("verdict") << false << u"F4_RESULT_TXT"_s;
        QTest::newRow("a wheel's grade") << false << u"F4_FC_RR_Zengo_JG_TXT"_s;
        QTest::newRow("a shift") << false << u"F4_FC_RL_ZOUKA_New_TXT"_s;
        QTest::newRow("the viewer's diameter comment") << true << u"F7_TD_RA_JGCOM_LBL"_s;
        QTest::newRow("the viewer's combination") << true << u"F7_WTF_Kumiawase_Old_TXT"_s;
    }

    // The boxes are found once, when the window loads; a window that lacks one is not loaded at all, and
    // the failure names the window and the box.
    void aMissingBoxFailsTheLoadWithItsName() {
        QFETCH(bool, viewer);
        QFETCH(QString, missing);
        FormRegistry& forms = m_test->ctx->forms();
        if (viewer) {
            damage<Form7>(forms, missing);
        } else {
            damage<Form4>(forms, missing);
        }
        QString failure;
        try {
            if (viewer) {
                forms.get<Form7>();
            } else {
                forms.get<Form4>();
            }
        } catch (const MissingControl& e) {
            failure = QString::fromUtf8(e.what());
        }
        QCOMPARE(failure, (viewer ? u"Form7."_s : u"Form4."_s) + missing);
        QVERIFY(forms.loaded<Form4>() == nullptr);
        QVERIFY(forms.loaded<Form7>() == nullptr);
    }
};

QTEST_MAIN(ResultBoxesTest)
#include "ResultBoxesTest.moc"
