#include <map>
#include <memory>
#include <optional>

#include <QAction>
#include <QFile>
#include <QPaintEngine>
#include <QTemporaryDir>
#include <QtTest>

#include "Form2Testing.h"
#include "app/gui/ShellRoutes.h"
#include "platform/ImageBox.h"
#include "platform/TempFiles.h"
#include "support/WindowTest.h"

using namespace Qt::Literals::StringLiterals;
using kl::Form2;
using kl::ImageBox;
using namespace kl::testing;

namespace {

// What a picture place shows: a picture of this size at this place (twips), or nothing.
struct Place {
    QSize picture; // empty: no picture
    QPoint twipPos = {};
    int twipHeight = -1; // -1: the picture's own height
};

struct PanelState {
    Place image3;
    Place image12;
    Place image13;
};

// Lines of an input file that hold a direction, by line number, the text as the file holds it.
using Directions = QMap<int, QByteArray>;

const QSize kTyreNotation(150, 35);
const QSize kWheelNotation(155, 26);
const QSize kFigureA(152, 142);
const QSize kFigureB(152, 154);
const QSize kFigureC(152, 126);

// The panel after each picture set, in twips inside the help panel.
const std::map<QString, PanelState> kSets{
    {u"rim"_s, {{}, {kWheelNotation, {107, 2170}}, {kFigureA, {130, 4380}, 2130}}},
    {u"offset"_s, {{}, {kWheelNotation, {107, 2570}}, {kFigureA, {130, 4380}, 2130}}},
    {u"tyre width"_s, {{kTyreNotation, {130, 2900}}, {}, {}}},
    {u"aspect"_s, {{kTyreNotation, {130, 4650}}, {}, {}}},
    {u"figure B"_s, {{}, {}, {kFigureB, {130, 4150}, 2310}}},
    {u"figure C"_s, {{}, {}, {kFigureC, {130, 4690}, 1890}}},
    {u"none"_s, {{}, {}, {}}},
};

// A temporary-files service that can be told to refuse, so that no picture can be shown.
class RefusingTempFiles final : public kl::platform::TempFiles {
public:
    bool refuse = false;
    std::optional<kl::platform::CreatedFile> createUniqueFile(const QString& directory,
                                                              const QString& prefix) override {
        return refuse ? std::nullopt : kl::platform::TempFiles::createUniqueFile(directory, prefix);
    }
};

// A page that keeps the text a widget draws on it, line by line: each piece of text with the baseline
// it was drawn on, in the order drawn.
class TextPage final : public QPaintDevice {
public:
    explicit TextPage(QSize size) : m_size(size) {}

    // The drawn lines, top to bottom, each the pieces of one baseline joined left to right.
    QStringList lines() const {
        std::map<int, std::map<double, QString>> byBaseline;
        for (const auto& [at, text] : m_engine.pieces) {
            byBaseline[qRound(at.y())][at.x()] += text;
        }
        QStringList result;
        for (const auto& [baseline, pieces] : byBaseline) {
            QString line;
            for (const auto& [x, text] : pieces) {
                line += text;
            }
            result.append(line);
        }
        return result;
    }

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    struct Engine final : QPaintEngine {
        std::vector<std::pair<QPointF, QString>> pieces;
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice* /*device*/) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& /*state*/) override {}
        void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
        void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            pieces.emplace_back(at, item.text());
        }
        Type type() const override { return QPaintEngine::User; }
    };
    QSize m_size;
    mutable Engine m_engine;
};

// A run of Latin text: letters, digits and the marks written with them, "P.C.D", "(inch)", "(%)".
bool isLatin(QChar c) {
    return c.unicode() > 0x20 && c.unicode() < 0x7F;
}

// Where the label, as drawn, breaks a line inside a run of Latin text that the text itself does not break;
// empty when it breaks none.
QString latinWordsSplit(const QString& caption, const QStringList& drawn) {
    QString shown = caption;
    shown.replace(u"\r\n"_s, u"\n"_s);
    qsizetype at = 0;
    for (const QString& line : drawn) {
        const qsizetype start = shown.indexOf(line, at);
        if (start < 0) {
            return u"the label drew \"%1\", which is not the text's next line"_s.arg(line);
        }
        const QStringView between = QStringView(shown).mid(at, start - at);
        if (at > 0 && between.isEmpty() && isLatin(shown[start - 1]) && isLatin(shown[start])) {
            return u"\"%1|%2\""_s.arg(shown.mid(start - 8, 8), shown.mid(start, 8));
        }
        at = start + line.size();
    }
    return {};
}

} // namespace

class Form2FieldHelpTest : public WindowTest {
    Q_OBJECT

private:
    Form2& window() { return m_test->ctx->forms().get<Form2>(); }

    static void focus(Form2& f, const QString& field) {
        f.control<QWidget>(field).setFocus(Qt::TabFocusReason);
        QCOMPARE(focusedName(), field);
    }

    static void verifyPlace(Form2& f, const QString& name, const Place& expected) {
        const ImageBox& image = f.control<ImageBox>(name);
        if (expected.picture.isEmpty()) {
            QVERIFY2(!image.hasPicture(), qPrintable(name));
            return;
        }
        QVERIFY2(image.hasPicture(), qPrintable(name));
        QCOMPARE(image.Picture().size(), expected.picture);
        QCOMPARE(image.pos(), QPoint(kl::twips(expected.twipPos.x()), kl::twips(expected.twipPos.y())));
        QCOMPARE(image.height(),
                 expected.twipHeight < 0 ? expected.picture.height() : kl::twips(expected.twipHeight));
    }

    static void verifyPanel(Form2& f, const PanelState& state) {
        verifyPlace(f, u"Image3"_s, state.image3);
        verifyPlace(f, u"Image12"_s, state.image12);
        verifyPlace(f, u"Image13"_s, state.image13);
    }

private Q_SLOTS:
    void everyField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("textStart");
        QTest::addColumn<QString>("textEnd");
        QTest::addColumn<QString>("pictures");

        const QString figureA = u"\r\n\r\n  【図A-ホイール寸法について】"_s;
        const QString figureB = u"\r\n\r\n 【図B-ｸﾘｱﾗﾝｽ寸法について】"_s;
        const QString figureC = u"\r\n\r\n 【図C-ｸﾘｱﾗﾝｽ寸法について】"_s;
        const QString tyre = u"サイドウォールの文字や模様を含まないタイヤ幅のことです。"_s;
        const QString aspect = u"\r\nタイヤ断面幅(mm)×扁平率(%) / 100"_s;

        QTest::newRow("Combo11") << u"Combo11"_s
                                 << u"【ホイールリム径(inch)】\r\n変更前の前輪ホイールリム径を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo16") << u"Combo16"_s
                                 << u"【ホイールリム径(inch)】\r\n変更前の後輪ホイールリム径を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo21") << u"Combo21"_s
                                 << u"【ホイールリム径(inch)】\r\n変更後の前輪ホイールリム径を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo26") << u"Combo26"_s
                                 << u"【ホイールリム径(inch)】\r\n変更後の後輪ホイールリム径を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo12") << u"Combo12"_s
                                 << u"【ホイールリム幅(inch)】\r\n変更前の前輪ホイールリム幅を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo17") << u"Combo17"_s
                                 << u"【ホイールリム幅(inch)】\r\n変更前の後輪ホイールリム幅を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo22") << u"Combo22"_s
                                 << u"【ホイールリム幅(inch)】\r\n変更後の前輪ホイールリム幅を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo27") << u"Combo27"_s
                                 << u"【ホイールリム幅(inch)】\r\n変更後の後輪ホイールリム幅を"_s << figureA
                                 << u"rim"_s;
        QTest::newRow("Combo1") << u"Combo1"_s
                                << u"【ホイールオフセット(mm)】\r\n変更前の前輪ホイールオフセット方向を"_s
                                << figureA << u"offset"_s;
        QTest::newRow("Combo2") << u"Combo2"_s
                                << u"【ホイールオフセット(mm)】\r\n変更前の後輪ホイールオフセット方向を"_s
                                << figureA << u"offset"_s;
        QTest::newRow("Combo3") << u"Combo3"_s
                                << u"【ホイールオフセット(mm)】\r\n変更後の前輪ホイールオフセット方向を"_s
                                << figureA << u"offset"_s;
        QTest::newRow("Combo4") << u"Combo4"_s
                                << u"【ホイールオフセット(mm)】\r\n変更後の後輪ホイールオフセット方向を"_s
                                << figureA << u"offset"_s;
        QTest::newRow("Text13") << u"Text13"_s
                                << u"【ホイールオフセット(mm)】\r\n変更前の前輪ホイールオフセット量を"_s
                                << figureA << u"offset"_s;
        QTest::newRow("Text18") << u"Text18"_s
                                << u"【ホイールオフセット(mm)】\r\n変更前の後輪ホイールオフセット量を"_s
                                << figureA << u"offset"_s;
        QTest::newRow("Text23") << u"Text23"_s
                                << u"【ホイールオフセット(mm)】\r\n変更後の前輪ホイールオフセット量を"_s
                                << figureA << u"offset"_s;
        QTest::newRow("Text28") << u"Text28"_s
                                << u"【ホイールオフセット(mm)】\r\n変更後の後輪ホイールオフセット量を"_s
                                << figureA << u"offset"_s;
        for (const QString& list : {u"Combo14"_s, u"Combo19"_s, u"Combo24"_s, u"Combo29"_s}) {
            QTest::newRow(qPrintable(list))
                << list << u"【タイヤ断面幅サイズ(mm)】\r\nタイヤ断面幅サイズを"_s << tyre << u"tyre width"_s;
        }
        for (const QString& list : {u"Combo15"_s, u"Combo20"_s, u"Combo25"_s, u"Combo30"_s}) {
            QTest::newRow(qPrintable(list))
                << list << u"【タイヤ扁平率(%)】\r\nタイヤ扁平率を"_s << aspect << u"aspect"_s;
        }
        struct Wheel {
            const char* code;
            QString axle;
            QString side;
        };
        const Wheel wheels[] = {{"FL", u"前輪"_s, u"左側"_s},
                                {"FR", u"前輪"_s, u"右側"_s},
                                {"RL", u"後輪"_s, u"左側"_s},
                                {"RR", u"後輪"_s, u"右側"_s}};
        struct Kind {
            const char* code;
            QString amount;
            QString end;
            QString pictures;
        };
        const Kind kinds[] = {{"Hikikomi", u"引込"_s, figureB, u"figure B"_s},
                              {"Joubu", u"上部"_s, figureB, u"figure B"_s},
                              {"Zengo", u"前後"_s, figureC, u"figure C"_s}};
        for (const Kind& k : kinds) {
            for (const Wheel& w : wheels) {
                const QString box =
                    u"F2_FC_%1_%2_Old_TXT"_s.arg(QLatin1StringView(w.code), QLatin1StringView(k.code));
                QTest::newRow(qPrintable(box))
                    << box
                    << u"【"_s + w.axle + u"フェンダークリアランス】\r\n変更前の"_s + w.axle + w.side +
                           u"のﾌｪﾝﾀﾞｰ\r\nｸﾘｱﾗﾝｽ"_s + k.amount + u"量(mm)を直接入力して下さい。"_s
                    << k.end << k.pictures;
            }
        }
        for (const QString& box : {u"Check1"_s, u"Check2"_s}) {
            QTest::newRow(qPrintable(box)) << box << u"【前輪ホイールと同じ】\r\n後輪に装着する"_s
                                           << u"チェックして下さい。 入力が省略でき便利です。"_s << u"none"_s;
        }
    }

    // Each field shows its text and its picture set, coming from a field that showed the tyre marking and
    // from one that showed the wheel figures, so every place is seen both filled and cleared.
    void everyField() {
        QFETCH(QString, field);
        QFETCH(QString, textStart);
        QFETCH(QString, textEnd);
        QFETCH(QString, pictures);
        Form2& f = window();
        QVERIFY(showActive(f));
        for (const QString& before : {u"Combo14"_s, u"Combo11"_s}) {
            if (before == field) {
                continue;
            }
            focus(f, before);
            focus(f, field);
            const QString text = f.control<kl::Label>(u"Label_Kaisetsu"_s).Caption();
            QVERIFY2(text.startsWith(textStart), qPrintable(text.left(60)));
            QVERIFY2(text.endsWith(textEnd), qPrintable(text.right(60)));
            verifyPanel(f, kSets.at(pictures));
        }
        QVERIFY(m_test->boxes.asked.empty());
    }

    // Tab from field to field, the window's own way through it.
    void tabShowsEachFieldsHelp() {
        Form2& f = window();
        QVERIFY(showActive(f));
        verifyPanel(f, kSets.at(u"rim"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedName(), u"Combo12"_s);
        QVERIFY(
            f.control<kl::Label>(u"Label_Kaisetsu"_s).Caption().startsWith(u"【ホイールリム幅(inch)】"_s));
        verifyPanel(f, kSets.at(u"rim"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedName(), u"Combo1"_s);
        verifyPanel(f, kSets.at(u"offset"_s));
    }

    void noLatinWordIsSplit_data() {
        QTest::addColumn<QString>("field");
        for (const QString& name : form2SizeLists() + form2DirectionLists() + form2TypedBoxes() +
                                       QStringList{u"Check1"_s, u"Check2"_s}) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    // The panel breaks its lines between Latin words and anywhere in Japanese text: a word such as "Pitch",
    // "P.C.D" or "(inch)" stays whole on its line. ("Dia" and "meter" stand on two lines because the text
    // itself breaks there.)
    void noLatinWordIsSplit() {
        QFETCH(QString, field);
        const QString missing = missingLayoutFont();
        if (!missing.isEmpty()) {
            QFAIL(qPrintable(missing));
        }
        Form2& f = window();
        QVERIFY(showActive(f));
        focus(f, field);
        auto& label = f.control<kl::Label>(u"Label_Kaisetsu"_s);
        TextPage page(label.size());
        label.render(&page);
        const QStringList lines = page.lines();
        QVERIFY2(lines.size() > 2, qPrintable(lines.join(u'|')));
        const QString split = latinWordsSplit(label.Caption(), lines);
        QVERIFY2(split.isEmpty(), qPrintable(split));
    }

    void focusOnAButtonLeavesThePanel_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("O K") << u"Command1"_s;
        QTest::newRow("data clear") << u"Command2"_s;
        QTest::newRow("top menu") << u"Command3"_s;
    }

    void focusOnAButtonLeavesThePanel() {
        QFETCH(QString, button);
        Form2& f = window();
        QVERIFY(showActive(f));
        focus(f, u"Combo30"_s);
        const QString text = f.control<kl::Label>(u"Label_Kaisetsu"_s).Caption();
        focus(f, button);
        QCOMPARE(f.control<kl::Label>(u"Label_Kaisetsu"_s).Caption(), text);
        verifyPanel(f, kSets.at(u"aspect"_s));
    }

    void aLoadsFocusMovesShowTheirHelp_data() {
        QTest::addColumn<Directions>("directions");
        QTest::addColumn<bool>("otherWindowActive");
        QTest::addColumn<QString>("textStart");
        QTest::addColumn<QString>("pictures");

        const QByteArray plus("\"\x81\x7B\"");
        const QByteArray minus("\"\x81\x7C\"");
        const QByteArray plusMinus("\"\x81\x7D\"");
        const QString oldFrontOffset = u"【ホイールオフセット(mm)】\r\n変更前の前輪ホイールオフセット量を"_s;
        const QString newRearOffset = u"【ホイールオフセット(mm)】\r\n変更後の後輪ホイールオフセット量を"_s;
        const QString oldFrontDirection =
            u"【ホイールオフセット(mm)】\r\n変更前の前輪ホイールオフセット方向を"_s;
        for (const bool other : {true, false}) {
            const char* const where = other ? "another window active" : "the window active";
            QTest::addRow("front + (%s)", where)
                << Directions{{3, plus}} << other << oldFrontOffset << u"offset"_s;
            QTest::addRow("front +, new rear - (%s)", where)
                << Directions{{3, plus}, {33, minus}} << other << newRearOffset << u"offset"_s;
            QTest::addRow("front +- (%s)", where)
                << Directions{{3, plusMinus}} << other << oldFrontDirection << u"offset"_s;
        }
    }

    // The file dialog has closed and the window may not be active again yet when the load's direction
    // reactions move the focus: their help shows all the same, and after the focus has gone to "O K" the
    // panel keeps the last of it.
    void aLoadsFocusMovesShowTheirHelp() {
        QFETCH(Directions, directions);
        QFETCH(bool, otherWindowActive);
        QFETCH(QString, textStart);
        QFETCH(QString, pictures);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"car.ipw"_s);
        const QByteArray bytes = inputFileWith(directions);
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        }

        Form2& f = window();
        QVERIFY(showActive(f));
        focus(f, u"Combo14"_s);
        QWidget other;
        if (otherWindowActive) {
            other.resize(200, 100);
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QVERIFY(!f.isActiveWindow());
        }
        m_test->fileDialogs.answers.push_back(file);
        f.control<QAction>(u"mnuFileOpen"_s).trigger();

        auto& label = f.control<kl::Label>(u"Label_Kaisetsu"_s);
        QVERIFY2(label.Caption().startsWith(textStart), qPrintable(label.Caption().left(60)));
        verifyPanel(f, kSets.at(pictures));
        QCOMPARE(f.focusWidget(), &f.control<QWidget>(u"Command1"_s));

        const QString shown = label.Caption();
        if (otherWindowActive) {
            other.hide();
            QVERIFY(showActive(f));
        }
        QCOMPARE(focusedName(), u"Command1"_s);
        QCOMPARE(label.Caption(), shown);
        verifyPanel(f, kSets.at(pictures));
        QVERIFY(m_test->boxes.asked.empty());
    }

    // A figure that cannot be shown does not leave the help of the field before: the text changes and the
    // figure's place is empty.
    void aFigureThatCannotBeShownIsClearedAndTheTextStillChanges() {
        TestPlatform services;
        RefusingTempFiles temp;
        kl::AppContext ctx({services.boxes, temp, services.fileDialogs, services.clock, services.pause,
                            services.printers, services.helpViewer, services.registry, services.processes},
                           kl::shellRoutes());
        Form2& f = ctx.forms().get<Form2>();
        QVERIFY(showActive(f));
        verifyPanel(f, kSets.at(u"rim"_s));

        temp.refuse = true;
        focus(f, u"F2_FC_RL_Zengo_Old_TXT"_s);
        QVERIFY(f.control<kl::Label>(u"Label_Kaisetsu"_s)
                    .Caption()
                    .startsWith(u"【後輪フェンダークリアランス】"_s));
        verifyPanel(f, kSets.at(u"none"_s));

        focus(f, u"Combo19"_s);
        QVERIFY(
            f.control<kl::Label>(u"Label_Kaisetsu"_s).Caption().startsWith(u"【タイヤ断面幅サイズ(mm)】"_s));
        verifyPanel(f, kSets.at(u"none"_s));
        QVERIFY(services.boxes.asked.empty());
        ctx.forms().unloadAll();
        flushUnloads();
    }
};

QTEST_MAIN(Form2FieldHelpTest)
#include "Form2FieldHelpTest.moc"
