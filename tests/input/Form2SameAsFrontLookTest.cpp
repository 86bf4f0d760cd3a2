#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include "Form2Testing.h"
#include "support/WindowTest.h"
#include "support/XDesktop.h"

using namespace Qt::Literals::StringLiterals;
using kl::CheckBox;
using kl::Form2;
using namespace kl::testing;

namespace {

constexpr int kGrey = 190;

// An input file with both rear wheels filled in ("－" is 81 7C in code page 932) and everything else
// empty.
QByteArray rearWheelsFile() {
    return inputFileWith({{13, "15"},
                          {14, "6.5"},
                          {15, "\"\x81\x7C\""},
                          {16, "45"},
                          {31, "17"},
                          {32, "8"},
                          {33, "\"\x81\x7C\""},
                          {34, "45"}});
}

// The greys of a part of a screen shot, counted by value.
struct Greys {
    QMap<int, int> count;
    int darkest = 255;
    int lightest = 0;
    int mostCommon = -1;

    int atMost(int grey) const {
        int n = 0;
        for (auto it = count.cbegin(); it != count.cend() && it.key() <= grey; ++it) {
            n += it.value();
        }
        return n;
    }
    // For a message: each grey and how often it occurs.
    QString listed() const {
        QString text;
        for (auto it = count.cbegin(); it != count.cend(); ++it) {
            text += u"%1×%2 "_s.arg(it.key()).arg(it.value());
        }
        return text;
    }
};

Greys greysIn(const QImage& shot, const QRect& part) {
    Greys seen;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            const int g = qGray(shot.pixel(x, y));
            ++seen.count[g];
            seen.darkest = std::min(seen.darkest, g);
            seen.lightest = std::max(seen.lightest, g);
        }
    }
    int most = 0;
    for (auto it = seen.count.cbegin(); it != seen.count.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            seen.mostCommon = it.key();
        }
    }
    return seen;
}

// A control's face in its window's coordinates: all of it inside its frame.
QRect faceOf(const QWidget& control) {
    return QRect(control.mapTo(control.window(), QPoint(0, 0)), control.size()).adjusted(2, 2, -2, -2);
}

// Where a control's text goes, in its window's coordinates: the face, for a list without its arrow.
QRect textAreaOf(const QWidget& control) {
    const auto* list = qobject_cast<const QComboBox*>(&control);
    if (list == nullptr) {
        return faceOf(control);
    }
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QRect field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    return field.translated(control.mapTo(control.window(), QPoint(0, 0))) & faceOf(control);
}

} // namespace

// A rear wheel that is the same as the front one is greyed, and a load still writes into its controls: what
// it writes must be seen on the screen, in the disabled-text grey, on a flat grey face.
class Form2SameAsFrontLookTest : public WindowTest {
    Q_OBJECT

private:
    Form2& window() { return m_test->ctx->forms().get<Form2>(); }

private Q_SLOTS:
    void loadedValuesShowOnTheGrey_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shows");
        QTest::newRow("old rear offset") << u"Text18"_s << u"45"_s;
        QTest::newRow("old rear rim diameter") << u"Combo16"_s << u"15"_s;
        QTest::newRow("old rear rim width") << u"Combo17"_s << u"6.5"_s;
        QTest::newRow("old rear direction") << u"Combo2"_s << u"－"_s;
        QTest::newRow("new rear offset") << u"Text28"_s << u"45"_s;
        QTest::newRow("new rear rim diameter") << u"Combo26"_s << u"17"_s;
        QTest::newRow("new rear rim width") << u"Combo27"_s << u"8"_s;
        QTest::newRow("new rear direction") << u"Combo4"_s << u"－"_s;
    }

    void loadedValuesShowOnTheGrey() {
        QFETCH(QString, control);
        QFETCH(QString, shows);
        Form2& f = window();
        QVERIFY(showActive(f));
        f.control<CheckBox>(u"Check1"_s).click();
        f.control<CheckBox>(u"Check2"_s).click();
        QTemporaryDir dir;
        const QString file = QDir(dir.path()).absoluteFilePath(u"rear.ipw"_s);
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QVERIFY(out.write(rearWheelsFile()) > 0);
        }
        m_test->fileDialogs.answers.push_back(file);
        f.control<QAction>(u"mnuFileOpen"_s).trigger();

        const QWidget& shown = f.control<QWidget>(control);
        QVERIFY(!shown.isEnabled());
        const QString value = qobject_cast<const kl::TextBox*>(&shown) != nullptr
                                  ? f.control<kl::TextBox>(control).Text()
                                  : f.control<kl::ComboBox>(control).Text();
        QCOMPARE(value, shows);
        // Its colours as they are held, which the screen below must show.
        QCOMPARE(shown.palette().color(QPalette::Disabled, QPalette::Text), kl::ColourDisabledText.toColor());

        const int textGrey = qGray(kl::ColourDisabledText.toColor().rgb());
        // Text pixels: at least half way from the face's grey to the text's (a thin stroke such as "－" is
        // blended with the face).
        const int textPixel = (textGrey + kGrey) / 2;
        // The screen shows the window some time after it has been painted.
        QImage shot;
        Greys text;
        QDeadlineTimer painted(5000);
        do {
            QTest::qWait(20);
            shot = XDesktop::grabFromScreen(f);
            text = greysIn(shot, textAreaOf(shown));
        } while (text.atMost(textPixel) == 0 && !painted.hasExpired());
        QVERIFY2(text.atMost(textPixel) > 0,
                 qPrintable(u"the text stands out from the grey: "_s + text.listed()));
        QVERIFY2(text.darkest >= textGrey,
                 qPrintable(u"the text no darker than the disabled grey, as a disabled control's: "_s +
                            text.listed()));
        const Greys face = greysIn(shot, faceOf(shown));
        QVERIFY2(face.mostCommon == kGrey && face.lightest == kGrey,
                 qPrintable(u"a flat grey face, no shading lighter than the grey: "_s + face.listed()));
        f.Unload();
    }
};

KL_QTEST_MAIN_WITH_DESKTOP(Form2SameAsFrontLookTest)
#include "Form2SameAsFrontLookTest.moc"
