#include <QtTest>

#include <memory>
#include <stdexcept>

#include "platform/AppContext.h"
#include "platform/ControlIndex.h"
#include "platform/Controls.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"

using namespace Qt::StringLiterals;

using namespace kl;

namespace {

// A window that counts its loads and can be told to fail in its load step.
struct LoadLog {
    int loads = 0;
    bool failNext = false;
};
LoadLog* g_log = nullptr;

class CountingForm : public Form {
    Q_OBJECT

public:
    explicit CountingForm(AppContext& ctx) : Form(ctx) { box = new TextBox(this, u"Box"_s); }
    void Form_Load() override {
        ++g_log->loads;
        if (g_log->failNext) {
            g_log->failNext = false;
            throw std::runtime_error("load failed");
        }
        box->setText(u"loaded"_s);
    }
    TextBox* box;
};

class OtherForm : public Form {
    Q_OBJECT

public:
    using Form::Form;
};

} // namespace

class FormsTest : public QObject {
    Q_OBJECT

    LoadLog m_log;
    testing::TestPlatform m_services;
    std::unique_ptr<AppContext> m_ctx;
    int m_ends = 0;

private Q_SLOTS:
    void initTestCase() { testing::prepareWidgetTests(); }

    void init() {
        m_log = {};
        g_log = &m_log;
        m_ends = 0;
        m_ctx = std::make_unique<AppContext>(m_services.services(), testing::noRoutes());
        m_ctx->forms().setOnNoneLoaded([this] { ++m_ends; });
    }

    void cleanup() {
        m_ctx.reset();
        testing::flushUnloads();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void firstTouchLoadsAndRunsTheLoadStepBeforeReturning() {
        QVERIFY(m_ctx->forms().loaded<CountingForm>() == nullptr);
        CountingForm& f = m_ctx->forms().get<CountingForm>();
        QCOMPARE(m_log.loads, 1);
        QCOMPARE(f.box->Text(), u"loaded"_s);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.objectName(), u"CountingForm"_s);
        // Further touches reach the same instance without loading it again.
        QCOMPARE(&m_ctx->forms().get<CountingForm>(), &f);
        QCOMPARE(m_log.loads, 1);
    }

    void unloadDestroysAndTheNextTouchLoadsAfresh() {
        CountingForm& first = m_ctx->forms().get<CountingForm>();
        first.box->setText(u"typed"_s);
        QPointer<CountingForm> gone(&first);
        first.Unload();
        QVERIFY(m_ctx->forms().loaded<CountingForm>() == nullptr);
        testing::flushUnloads();
        QVERIFY(gone.isNull());
        CountingForm& second = m_ctx->forms().get<CountingForm>();
        QCOMPARE(m_log.loads, 2);
        QCOMPARE(second.box->Text(), u"loaded"_s);
    }

    void theProgramEndsOnlyWhenNoWindowIsLoaded() {
        CountingForm& a = m_ctx->forms().get<CountingForm>();
        OtherForm& b = m_ctx->forms().get<OtherForm>();
        b.show();
        b.close(); // the title-bar close button unloads
        QCoreApplication::processEvents();
        // A loaded but hidden window keeps the program running.
        QCOMPARE(m_ends, 0);
        QVERIFY(!a.isVisible());
        a.Unload();
        QCOMPARE(m_ends, 0); // not before the running command has finished
        QCoreApplication::processEvents();
        QCOMPARE(m_ends, 1);
    }

    void aFailingLoadStepLeavesNothingLoaded() {
        m_log.failNext = true;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, m_ctx->forms().get<CountingForm>());
        QVERIFY(m_ctx->forms().loaded<CountingForm>() == nullptr);
        QVERIFY(!m_ctx->forms().anyLoaded());
        QCOMPARE(m_ctx->forms().get<CountingForm>().box->Text(), u"loaded"_s);
    }

    void missingControlIsNamed() {
        CountingForm& f = m_ctx->forms().get<CountingForm>();
        try {
            f.control<TextBox>(u"Nope"_s);
            QFAIL("no error");
        } catch (const MissingControl& e) {
            QCOMPARE(QString::fromLatin1(e.what()), u"CountingForm.Nope"_s);
        }
    }

    // The index gives what Form::control gives: the control of that name and kind, even where a control of
    // another kind has the name first, and names the window and the control when there is none.
    void theControlIndexFindsWhatControlFinds() {
        CountingForm& f = m_ctx->forms().get<CountingForm>();
        auto* first = new Label(&f, u"Twin"_s);
        auto* twin = new TextBox(first, u"Twin"_s);
        const ControlIndex index(f);
        QCOMPARE(&index.control<TextBox>(u"Box"_s), f.box);
        QCOMPARE(&index.control<Label>(u"Twin"_s), first);
        QCOMPARE(&index.control<TextBox>(u"Twin"_s), twin);
        try {
            index.control<Label>(u"Box"_s);
            QFAIL("no error");
        } catch (const MissingControl& e) {
            QCOMPARE(QString::fromLatin1(e.what()), u"CountingForm.Box"_s);
        }
    }

    void scriptedBoxesRecordAndAnswer() {
        m_services.boxes.answers.push_back(platform::MsgAnswer::Cancel);
        const platform::MessageBoxRequest r{u"t"_s, u"T"_s, platform::MsgIcon::Question,
                                            platform::MsgButtons::OkCancel, platform::MsgAnswer::Cancel};
        QVERIFY(m_services.boxes.show(r, nullptr) == platform::MsgAnswer::Cancel);
        // Unscripted: the default button, so nothing waits.
        QVERIFY(m_services.boxes.show(r, nullptr) == platform::MsgAnswer::Cancel);
        QCOMPARE(m_services.boxes.asked.size(), std::size_t{2});
        QCOMPARE(m_services.boxes.asked[0].text, u"t"_s);
    }
};

QTEST_MAIN(FormsTest)
#include "FormsTest.moc"
