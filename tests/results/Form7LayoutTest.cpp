#include <functional>
#include <map>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "Form7TestSupport.h"
#include "app/gui/ShellRoutes.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"
#include "results/gui/OpenResultFile.h"
#include "support/MenuChecks.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

using namespace Qt::StringLiterals;
using kl::Label;
using kl::TextBox;
using namespace kl::testing::viewer;

namespace {

const QColor ViewerColour(239, 187, 141);
const QColor White(255, 255, 255);

QString rectText(const QRect& r) {
    return u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString textOf(const QWidget& w) {
    if (auto* l = qobject_cast<const Label*>(&w)) {
        return l->Caption();
    }
    if (auto* t = qobject_cast<const TextBox*>(&w)) {
        return t->Text();
    }
    if (auto* m = qobject_cast<const kl::MemoBox*>(&w)) {
        return m->Text();
    }
    if (auto* f = qobject_cast<const kl::Frame*>(&w)) {
        return f->title();
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(&w)) {
        return b->text();
    }
    return {};
}

// The name a control of the result window has in the viewer.
QString viewerName(const QString& resultName) {
    return resultName.startsWith(u"F4_"_s) ? u"F7_"_s + resultName.mid(3) : resultName;
}

// What can be seen of a control and what it does, property by property.
std::map<QString, QString> properties(const QWidget& w) {
    std::map<QString, QString> p;
    p[u"class"_s] = QString::fromLatin1(w.metaObject()->className());
    p[u"container"_s] = viewerName(w.parentWidget()->objectName());
    p[u"geometry"_s] = rectText(w.geometry());
    p[u"font"_s] = u"%1 %2 %3 %4"_s.arg(w.font().family())
                       .arg(w.font().pointSizeF())
                       .arg(w.font().bold())
                       .arg(w.font().stretch());
    p[u"text"_s] = textOf(w);
    p[u"visible"_s] = w.isVisibleTo(w.window()) ? u"shown"_s : u"hidden"_s;
    p[u"focus"_s] = QString::number(int(w.focusPolicy()));
    p[u"tooltip"_s] = w.toolTip();
    const QPalette& pal = w.palette();
    if (qobject_cast<const QAbstractButton*>(&w) != nullptr) {
        p[u"back"_s] = w.autoFillBackground() ? colourText(pal.color(QPalette::Button)) : u"standard"_s;
        p[u"fore"_s] = colourText(pal.color(QPalette::ButtonText));
    } else if (qobject_cast<const QLineEdit*>(&w) != nullptr || qobject_cast<const QPlainTextEdit*>(&w)) {
        p[u"back"_s] = colourText(pal.color(QPalette::Base));
        p[u"fore"_s] = colourText(pal.color(QPalette::Text));
    } else {
        p[u"back"_s] = w.autoFillBackground() ? colourText(pal.color(QPalette::Window)) : u"transparent"_s;
        p[u"fore"_s] = colourText(pal.color(QPalette::WindowText));
    }
    if (auto* t = qobject_cast<const TextBox*>(&w)) {
        p[u"locked"_s] = QString::number(t->Locked());
        p[u"alignment"_s] = QString::number(int(t->alignment()));
        p[u"frame"_s] = QString::number(t->hasFrame());
        p[u"foreColour"_s] = t->ForeColor() ? colourText(t->ForeColor()->toColor()) : u"default"_s;
    }
    if (auto* l = qobject_cast<const QLabel*>(&w)) {
        p[u"alignment"_s] = QString::number(int(l->alignment()));
        p[u"wordWrap"_s] = QString::number(l->wordWrap());
        p[u"frame"_s] = QString::number(l->frameShape());
    }
    if (auto* m = qobject_cast<const QPlainTextEdit*>(&w)) {
        p[u"locked"_s] = QString::number(m->isReadOnly());
        p[u"frame"_s] = QString::number(m->frameShape());
    }
    if (auto* b = qobject_cast<const QPushButton*>(&w)) {
        p[u"default"_s] = u"%1 %2"_s.arg(b->isDefault()).arg(b->autoDefault());
    }
    if (auto* i = qobject_cast<const kl::ImageBox*>(&w)) {
        p[u"picture"_s] =
            i->hasPicture() ? u"%1x%2"_s.arg(i->Picture().width()).arg(i->Picture().height()) : u"none"_s;
        p[u"stretch"_s] = QString::number(i->Stretch());
    }
    return p;
}

// The controls of a window's client area by name.
std::map<QString, QWidget*> namedControls(kl::Form& w) {
    std::map<QString, QWidget*> controls;
    for (QWidget* c : w.client().findChildren<QWidget*>()) {
        if (!c->objectName().isEmpty() && !c->objectName().startsWith(u"qt_"_s)) {
            controls[c->objectName()] = c;
        }
    }
    return controls;
}

QRect twipRect(int left, int top, int width, int height) {
    return QRect(kl::twips(left), kl::twips(top), kl::twips(width), kl::twips(height));
}

// Where the viewer differs from the result window: control, property, the viewer's value.
struct Difference {
    QString control;
    QString property;
    std::function<QString(const QWidget&)> expected;
};

std::vector<Difference> viewerDifferences() {
    const auto fixed = [](const QString& value) { return [value](const QWidget&) { return value; }; };
    const QString viewerColour = colourText(ViewerColour);
    std::vector<Difference> d{
        {u"Frame0"_s, u"geometry"_s, fixed(rectText(twipRect(70, 0, 11750, 7500)))},
        {u"Frame0"_s, u"back"_s, fixed(viewerColour)},
        {u"Frame1"_s, u"back"_s, fixed(viewerColour)},
        {u"F7_Command1"_s, u"back"_s, fixed(viewerColour)},
        {u"F7_Command2"_s, u"back"_s, fixed(viewerColour)},
        {u"F7_Command2"_s, u"text"_s, fixed(u"データクリア"_s)},
        {u"Image4"_s, u"picture"_s, fixed(u"285x36"_s)},
        {u"Image4"_s, u"geometry"_s, fixed(rectText(QRect(kl::twips(300), kl::twips(6870), 285, 36)))},
    };
    for (const QString& comment :
         {u"F7_TD_FA_JGCOM_LBL"_s, u"F7_TD_RA_JGCOM_LBL"_s, u"F7_FC_FL_Total_JGCOM_LBL"_s,
          u"F7_FC_FR_Total_JGCOM_LBL"_s, u"F7_FC_RL_Total_JGCOM_LBL"_s, u"F7_FC_RR_Total_JGCOM_LBL"_s}) {
        d.push_back({comment, u"back"_s, fixed(colourText(White))});
    }
    const std::pair<QString, int> shiftCaptions[] = {
        {u"Label18"_s, 2445}, {u"Label19"_s, 3435}, {u"Label20"_s, 4440}, {u"Label21"_s, 5445}};
    for (const auto& [name, top] : shiftCaptions) {
        d.push_back({name, u"text"_s, fixed(u"ﾀｲﾔ内側位置"_s)});
        // Sized to its new caption.
        d.push_back({name, u"geometry"_s, [top](const QWidget& w) {
                         return rectText(QRect(QPoint(kl::twips(300), kl::twips(top)), w.sizeHint()));
                     }});
    }
    return d;
}

QStringList focusChain(QWidget* start) {
    QStringList names;
    for (QWidget* w = start;;) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
            names << w->objectName();
        }
        w = w->nextInFocusChain();
        if (w == start) {
            return names;
        }
    }
}

// Records, each time a picture is about to pass through a temporary file, what the viewer's load step
// has done so far.
class WatchingTempFiles final : public kl::platform::TempFiles {
public:
    kl::AppContext* context = nullptr;
    QStringList seen;

    std::optional<kl::platform::CreatedFile> createUniqueFile(const QString& directory,
                                                              const QString& prefix) override {
        kl::Form7* viewer = context->forms().loaded<kl::Form7>();
        QStringList shown;
        for (const QString& image : {u"Image4"_s, u"Image1"_s, u"Image9"_s, u"Image5"_s}) {
            if (viewer != nullptr && viewer->findChild<kl::ImageBox*>(image)->hasPicture()) {
                shown << image;
            }
        }
        seen << (viewer != nullptr ? viewer->HelpFilePath : u"?"_s) + u" | "_s + shown.join(u',');
        return TempFiles::createUniqueFile(directory, prefix);
    }
};

} // namespace

class Form7LayoutTest : public kl::testing::LayoutTest {
    Q_OBJECT

    kl::Form7& viewer() { return ctx().forms().get<kl::Form7>(); }
    kl::Form4& result() { return ctx().forms().get<kl::Form4>(); }

private Q_SLOTS:
    // The viewer is the result window under "F7_", control for control, but for its listed differences.
    void resultWindowWithItsDifferences() {
        const std::map<QString, QWidget*> resultControls = namedControls(result());
        const std::map<QString, QWidget*> viewerControls = namedControls(viewer());

        QStringList resultNames;
        for (const auto& [name, control] : resultControls) {
            resultNames << viewerName(name);
        }
        QStringList viewerNames;
        for (const auto& [name, control] : viewerControls) {
            viewerNames << name;
        }
        resultNames.sort();
        QCOMPARE(viewerNames, resultNames);
        QVERIFY(viewerNames.size() > 150);

        const std::vector<Difference> differences = viewerDifferences();
        int checked = 0;
        for (const auto& [name, control] : resultControls) {
            const QString v = viewerName(name);
            const std::map<QString, QString> expected = properties(*control);
            const std::map<QString, QString> actual = properties(*viewerControls.at(v));
            for (const auto& [property, value] : expected) {
                const auto differs =
                    std::find_if(differences.begin(), differences.end(), [&](const Difference& d) {
                        return d.control == v && d.property == property;
                    });
                const QString want =
                    differs != differences.end() ? differs->expected(*viewerControls.at(v)) : value;
                QVERIFY2(actual.at(property) == want,
                         qPrintable(u"%1.%2: %3, not %4"_s.arg(v, property, actual.at(property), want)));
                checked += differs != differences.end() ? 1 : 0;
            }
        }
        QCOMPARE(checked, int(differences.size()));
    }

    // The window around the controls: caption stored with it, its colour, status text, the default button.
    void windowDifferences() {
        ctx().programFolder = u"/opt/kavor"_s;
        kl::Form7& w = viewer();
        kl::Form4& r = result();
        QCOMPARE(w.windowTitle(), u"Kavor Lintep 2005 Viewer - 解析結果ビューワモード"_s);
        QCOMPARE(w.client().palette().color(QPalette::Window), ViewerColour);
        // The menu bar and the status bar keep the system's colour.
        QCOMPARE(w.menuBar()->palette().color(QPalette::Window),
                 r.menuBar()->palette().color(QPalette::Window));
        QCOMPARE(w.statusBar()->palette().color(QPalette::Window),
                 r.statusBar()->palette().color(QPalette::Window));
        QCOMPARE(w.statusBar()->panelText(1), u"Mode : Kavor Lintep 2005 Viewer Mode"_s);
        QCOMPARE(w.statusBar()->geometry(), r.statusBar()->geometry());
        QCOMPARE(w.windowSpec().defaultButton, u"F7_Command1"_s);
        QCOMPARE(w.windowSpec().cancelButton, QString());
        QCOMPARE(w.client().size(), r.client().size());
        QCOMPARE(w.windowFlags(), r.windowFlags());

        // Captions have no background of their own: they stand on the viewer's colour.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage image = w.grab().toImage();
        auto& caption = kl::testing::need<Label>(w, u"Label54"_s);
        const QPoint corner = caption.mapTo(&w, QPoint(0, 0));
        QCOMPARE(image.pixelColor(corner), ViewerColour);
    }

    // The two graphical buttons: a flat face in the viewer's colour, top to bottom, not a shaded one.
    void graphicalButtonsHaveAFlatFace_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("O K, the default button") << u"F7_Command1"_s;
        QTest::newRow("data clear") << u"F7_Command2"_s;
    }
    void graphicalButtonsHaveAFlatFace() {
        QFETCH(QString, button);
        kl::Form7& w = viewer();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage face = kl::testing::need<QPushButton>(w, button).grab().toImage();
        // The columns left of the caption, inside the outline.
        for (int x = 2; x < 8; ++x) {
            for (int y = 2; y < face.height() - 2; ++y) {
                QVERIFY2(face.pixelColor(x, y) == ViewerColour,
                         qPrintable(u"%1 at %2,%3: %4"_s.arg(button).arg(x).arg(y).arg(
                             colourText(face.pixelColor(x, y)))));
            }
        }
    }

    // A freshly loaded viewer: every data, grade and verdict box empty on white in the default text
    // colour, every comment empty on white, and the focus on "O K" when shown.
    void freshState() {
        kl::Form7& w = viewer();
        for (const QString& name : dataBoxNames() + gradeBoxNames() + QStringList{u"F7_RESULT_TXT"_s}) {
            auto& box = kl::testing::need<TextBox>(w, name);
            QVERIFY2(box.Text().isEmpty(), qPrintable(name));
            QVERIFY2(box.BackColor() == kl::ColourWhite, qPrintable(name));
            QVERIFY2(box.palette().color(QPalette::Base) == White, qPrintable(name));
            QVERIFY2(!box.ForeColor().has_value(), qPrintable(name));
        }
        for (const QString& name : CommentNames) {
            auto& label = kl::testing::need<Label>(w, name);
            QVERIFY2(label.Caption().isEmpty(), qPrintable(name));
            QVERIFY2(!label.ForeColor().has_value(), qPrintable(name));
            QVERIFY2(label.palette().color(QPalette::Window) == White, qPrintable(name));
            QVERIFY2(label.autoFillBackground(), qPrintable(name));
        }
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"F7_Command1"_s);
        QVERIFY(test().boxes.asked.empty());
    }

    // The help file path first, then the pictures 171, 102, 125 and 126, each through a temporary file
    // that is gone again.
    void loadStepOrder() {
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));

        kl::testing::TestPlatform services;
        WatchingTempFiles watching;
        kl::platform::Platform platform = services.services();
        kl::platform::Platform watched{platform.messageBoxes, watching,          platform.fileDialogs,
                                       platform.clock,        platform.pause,    platform.printers,
                                       platform.helpViewer,   platform.registry, platform.processes};
        {
            kl::AppContext ctx(watched, kl::shellRoutes());
            ctx.programFolder = u"/opt/kavor"_s;
            watching.context = &ctx;
            kl::Form7& w = ctx.forms().get<kl::Form7>();
            qputenv("TMPDIR", savedTmp);

            const QString help = u"/opt/kavor/Kavor Lintep 2005 HELP.chm"_s;
            QCOMPARE(watching.seen,
                     QStringList({help + u" | "_s, help + u" | Image4"_s, help + u" | Image4,Image1"_s,
                                  help + u" | Image4,Image1,Image9"_s}));
            const std::pair<QString, QSize> pictures[] = {{u"Image4"_s, {285, 36}},
                                                          {u"Image1"_s, {95, 17}},
                                                          {u"Image9"_s, {62, 15}},
                                                          {u"Image5"_s, {55, 13}}};
            for (const auto& [name, size] : pictures) {
                auto& image = kl::testing::need<kl::ImageBox>(w, name);
                QVERIFY2(image.hasPicture(), qPrintable(name));
                QCOMPARE(image.Picture().size(), size);
            }
            QCOMPARE(w.HelpFilePath, help);
            QCOMPARE(QDir(temp.path()).entryList({u"~rs*"_s}, QDir::Files | QDir::Hidden), QStringList());
            QCOMPARE(w.windowTitle(), u"Kavor Lintep 2005 Viewer - 解析結果ビューワモード"_s);
            QVERIFY(!w.isVisible());
        }
        kl::testing::flushUnloads();
    }

    void menus() {
        const QString bar = u"-"_s;
        const std::vector<kl::testing::MenuEntry> expected{
            {u"mnufile"_s, u"mnuFileOpen"_s, u"解析結果データ読込み(&O)..."_s, QKeySequence(u"Ctrl+O"_s)},
            {u"mnufile"_s, u"mnuFileBar0"_s, bar, {}},
            {u"mnufile"_s, u"mnuDataClear"_s, u"データクリア(&D)"_s, {}},
            {u"mnufile"_s, u"mnuFileClose"_s, u"トップメニューへ戻る(&C)"_s, {}},
            {u"mnufile"_s, u"mnuFileBar1"_s, bar, {}},
            {u"mnufile"_s, u"mnuFilePrint"_s, u"印刷(&P)..."_s, QKeySequence(u"Ctrl+P"_s)},
            {u"mnufile"_s, u"mnuFileBar2"_s, bar, {}},
            {u"mnufile"_s, u"mnuFileExit"_s, u"終了(&X)"_s, {}},
            {u"mnuHelp"_s, u"mnuHelpContents"_s, u"Kavor Lintep 2005 ヘルプ(&H)"_s, QKeySequence(u"F1"_s)},
            {u"mnuHelp"_s, u"mnuCustomizing"_s, u"ショップにてご利用のユーザー様へ(&U)"_s, {}},
            {u"mnuHelp"_s, u"mnuFileBar3"_s, bar, {}},
            {u"mnuHelp"_s, u"mnuInformation"_s, u"Tolvane製品のご案内(&I)"_s, {}},
            {u"mnuHelp"_s, u"mnuUserRegistration"_s, u"ユーザー登録について(&R)"_s, {}},
            {u"mnuHelp"_s, u"mnuFileBar5"_s, bar, {}},
            {u"mnuHelp"_s, u"mnuHelpAbout"_s, u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_s, {}},
        };

        kl::Form7& w = viewer();
        kl::testing::compareMenus(w, QStringList({u"mnufile=ﾌｧｲﾙ(&F)"_s, u"mnuHelp=ﾍﾙﾌﾟ(&H)"_s}), expected);
    }

    // The result window's tab order under "F7_", but for the unseen notes boxes, which run backwards.
    void tabOrder() {
        kl::Form4& r = result();
        kl::Form7& w = viewer();
        QStringList expected;
        for (const QString& name : focusChain(&r.control<QWidget>(u"F4_Command1"_s))) {
            expected << viewerName(name);
        }
        QCOMPARE(expected.mid(expected.size() - 3), QStringList({u"Text1"_s, u"Text2"_s, u"Text3"_s}));
        expected.replace(expected.size() - 3, u"Text3"_s);
        expected.replace(expected.size() - 1, u"Text1"_s);

        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.focusWidget()->objectName(), u"F7_Command1"_s);
        QCOMPARE(focusChain(w.focusWidget()), expected);
        QStringList visited;
        for (qsizetype i = 0; i <= expected.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected + QStringList{u"F7_Command1"_s});
    }

    void keys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("okClicks");
        QTest::addColumn<int>("clearClicks");
        QTest::newRow("grade box") << u"F7_FC_FL_Hikikomi_JG_TXT"_s << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("verdict box") << u"F7_RESULT_TXT"_s << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("data clear button") << u"F7_Command2"_s << int(Qt::Key_Return) << 0 << 1;
        QTest::newRow("escape") << u"F7_TD_FA_Old_TXT"_s << int(Qt::Key_Escape) << 0 << 0;
    }

    // Enter runs "O K" from any box and the data clear on its own button; Esc does nothing.
    void keys() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, okClicks);
        QFETCH(int, clearClicks);

        kl::Form7& w = viewer();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // "O K" would leave for the top menu; counting its clicks is enough here.
        auto& ok = kl::testing::need<QPushButton>(w, u"F7_Command1"_s);
        ok.disconnect();
        QSignalSpy okSpy(&ok, &QAbstractButton::clicked);
        QSignalSpy clearSpy(&kl::testing::need<QPushButton>(w, u"F7_Command2"_s), &QAbstractButton::clicked);
        auto& target = kl::testing::need<QWidget>(w, focus);
        target.setFocus();
        QTest::keyClick(&target, Qt::Key(key));
        QCOMPARE(okSpy.count(), okClicks);
        QCOMPARE(clearSpy.count(), clearClicks);
    }

    // Ctrl+O asks for a result file; Ctrl+S belongs to no command here.
    void shortcuts() {
        kl::Form7& w = viewer();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(test().fileDialogs.asked.empty());
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(test().fileDialogs.asked.size(), std::size_t(1));
        QVERIFY(test().fileDialogs.asked[0].kind == kl::testing::ScriptedFileDialogs::Kind::Open);
        QVERIFY(test().boxes.asked.empty());
    }

    void dataClearOnAnEmptyWindow_data() {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("button") << u"F7_Command2"_s;
        QTest::newRow("menu item") << u"mnuDataClear"_s;
    }

    // Nothing to see changes and nothing is asked.
    void dataClearOnAnEmptyWindow() {
        QFETCH(QString, trigger);
        kl::Form7& w = viewer();
        const QStringList before = snapshot(w);
        if (trigger == u"mnuDataClear") {
            w.control<QAction>(trigger).trigger();
        } else {
            w.control<QPushButton>(trigger).click();
        }
        QCOMPARE(snapshot(w), before);
        QVERIFY(test().boxes.asked.empty());
    }

    void dataClearOnAGradedWindow_data() { dataClearOnAnEmptyWindow_data(); }

    // Every text, caption, grade and the verdict go, the grade and verdict boxes turn white, and every
    // text colour the grading wrote stays. The unseen notes are left alone.
    void dataClearOnAGradedWindow() {
        QFETCH(QString, trigger);
        kl::Form7& w = viewer();
        const QStringList texts{u"ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16"_s, u"typed, over it"_s, u"a"_s, u"b"_s,
                                u"600.0"_s, u"600.0"_s, u"600.0"_s, u"700.0"_s,
                                // FL NG in red; FR CHECK; RL and RR all OK.
                                u"20.0"_s, u"-1.0"_s, u"30.0"_s, u"-20.0"_s, u"20.0"_s, u"0.0"_s, u"20.0"_s,
                                u"12.0"_s, u"30.0"_s, u"5.0"_s, u"20.0"_s, u"3.0"_s, u"20.0"_s, u"20.0"_s,
                                u"40.0"_s, u"40.0"_s, u"30.0"_s, u"30.0"_s, u"20.0"_s, u"20.0"_s, u"40.0"_s,
                                u"40.0"_s, u"30.0"_s, u"30.0"_s, u"+1.0"_s, u"±0.0"_s, u"-1.0"_s, u"+2.0"_s};
        const QStringList data = dataBoxNames();
        for (qsizetype i = 0; i < data.size(); ++i) {
            w.control<TextBox>(data[i]).setText(texts[i]);
        }
        kl::reGradeViewer(w);
        w.control<TextBox>(u"F7_RESULT_TXT"_s).setText(u"typed"_s);
        w.control<kl::MemoBox>(u"Text2"_s).setText(u"note"_s);

        std::map<QString, std::optional<kl::Rgb>> colours;
        for (const QString& name : gradeBoxNames() + QStringList{u"F7_RESULT_TXT"_s}) {
            colours[name] = w.control<TextBox>(name).ForeColor();
        }
        for (const QString& name : CommentNames) {
            colours[name] = w.control<Label>(name).ForeColor();
        }
        // The grading wrote red where it had to, so there is something to keep.
        QVERIFY(colours[u"F7_FC_FL_Total_JGCOM_LBL"_s] == kl::ColourNgText);
        QVERIFY(colours[u"F7_TD_RA_JGCOM_LBL"_s] == (kl::Rgb{255, 0, 0}));
        QVERIFY(colours[u"F7_FC_FR_Zengo_JG_TXT"_s] == (kl::Rgb{0, 0, 0}));

        if (trigger == u"mnuDataClear") {
            w.control<QAction>(trigger).trigger();
        } else {
            w.control<QPushButton>(trigger).click();
        }

        for (const QString& name : data) {
            QVERIFY2(w.control<TextBox>(name).Text().isEmpty(), qPrintable(name));
        }
        for (const QString& name : gradeBoxNames() + QStringList{u"F7_RESULT_TXT"_s}) {
            auto& box = w.control<TextBox>(name);
            QVERIFY2(box.Text().isEmpty(), qPrintable(name));
            QVERIFY2(box.BackColor() == kl::ColourWhite, qPrintable(name));
            QVERIFY2(box.ForeColor() == colours[name], qPrintable(name));
        }
        for (const QString& name : CommentNames) {
            auto& label = w.control<Label>(name);
            QVERIFY2(label.Caption().isEmpty(), qPrintable(name));
            QVERIFY2(label.ForeColor() == colours[name], qPrintable(name));
            QCOMPARE(label.palette().color(QPalette::Window), White);
        }
        QCOMPARE(w.control<kl::MemoBox>(u"Text2"_s).Text(), u"note"_s);
        QVERIFY(test().boxes.asked.empty());
    }
};

QTEST_MAIN(Form7LayoutTest)
#include "Form7LayoutTest.moc"
