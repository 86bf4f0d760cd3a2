#include <string>

#include <gtest/gtest.h>

#include "input/EntryChecks.h"
#include "input/WheelBlocks.h"
#include "support/GTestPrinters.h"

using namespace kl;
using namespace Qt::Literals::StringLiterals;

namespace {

struct NumericCase {
    const char16_t* text;
    bool numeric;
};

TEST(EntryChecks, IsNumericTextAcceptsDigitsPointsAndCommasOnly) {
    const NumericCase cases[] = {
        {u"", true},      {u"0", true},     {u"1234", true}, {u"1,5", true}, {u"5.", true},  {u".", true},
        {u"1..2", true},  {u",,", true},    {u"12a", false}, {u"-5", false}, {u" 5", false}, {u"５", false},
        {u"1，5", false}, {u"1．5", false}, {u"1e3", false}, {u"+1", false}, {u"\t", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumericText(QStringView(c.text)), c.numeric) << QString::fromUtf16(c.text).toStdString();
    }
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;
    KeyVerdict verdict;
};

class KeyFilter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilter, JudgesTheKeyByWhatItTypes) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(NumericKeyFilter(c.key, c.modifiers, QStringView(c.text)), c.verdict);
}

constexpr auto None = Qt::NoModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Pass = KeyVerdict::Pass;
constexpr auto Drop = KeyVerdict::Drop;
constexpr auto Ignore = KeyVerdict::Ignore;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilter,
    ::testing::Values(
        KeyCase{"digit", Qt::Key_7, None, u"7", Pass}, KeyCase{"zero", Qt::Key_0, None, u"0", Pass},
        KeyCase{"point", Qt::Key_Period, None, u".", Pass},
        KeyCase{"keypad digit", Qt::Key_5, Qt::KeypadModifier, u"5", Pass},
        KeyCase{"backspace", Qt::Key_Backspace, None, u"\b", Pass},
        KeyCase{"enter", Qt::Key_Return, None, u"\r", Pass}, KeyCase{"copy", Qt::Key_C, Ctrl, u"\x03", Pass},
        KeyCase{"paste", Qt::Key_V, Ctrl, u"\x16", Pass}, KeyCase{"cut", Qt::Key_X, Ctrl, u"\x18", Pass},
        KeyCase{"form feed", Qt::Key_L, Ctrl, u"\x0c", Pass},
        KeyCase{"left arrow", Qt::Key_Left, None, u"", Pass},
        KeyCase{"delete", Qt::Key_Delete, None, u"\x7f", Pass},
        KeyCase{"tab", Qt::Key_Tab, None, u"\t", Pass},
        KeyCase{"shift alone", Qt::Key_Shift, Qt::ShiftModifier, u"", Pass},
        KeyCase{"alt alone", Qt::Key_Alt, Qt::AltModifier, u"", Pass},
        KeyCase{"super alone", Qt::Key_Super_L, Qt::MetaModifier, u"", Pass},
        KeyCase{"alt with a letter", Qt::Key_Q, Qt::AltModifier, u"q", Ignore},
        KeyCase{"alt with a digit", Qt::Key_5, Qt::AltModifier, u"5", Ignore},
        KeyCase{"alt with minus", Qt::Key_Minus, Qt::AltModifier, u"-", Ignore},
        KeyCase{"alt shift with a letter", Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier, u"Q", Ignore},
        KeyCase{"ctrl alt with a digit", Qt::Key_5, Ctrl | Qt::AltModifier, u"5", Ignore},
        KeyCase{"meta with a letter", Qt::Key_Q, Qt::MetaModifier, u"q", Ignore},
        KeyCase{"meta with a digit", Qt::Key_5, Qt::MetaModifier, u"5", Ignore},
        KeyCase{"meta with minus", Qt::Key_Minus, Qt::MetaModifier, u"-", Ignore},
        KeyCase{"ctrl with arrow", Qt::Key_Right, Ctrl, u"", Pass},
        KeyCase{"minus", Qt::Key_Minus, None, u"-", Drop}, KeyCase{"comma", Qt::Key_Comma, None, u",", Drop},
        KeyCase{"letter", Qt::Key_A, None, u"a", Drop}, KeyCase{"blank", Qt::Key_Space, None, u" ", Drop},
        KeyCase{"full-width digit", Qt::Key_unknown, None, u"５", Drop},
        KeyCase{"shifted digit", Qt::Key_Exclam, Qt::ShiftModifier, u"!", Drop},
        KeyCase{"undo", Qt::Key_Z, Ctrl, u"\x1a", Drop},
        KeyCase{"select all", Qt::Key_A, Ctrl, u"\x01", Drop},
        KeyCase{"redo", Qt::Key_Y, Ctrl, u"\x19", Drop},
        KeyCase{"undo without text", Qt::Key_Z, Ctrl, u"", Drop},
        KeyCase{"escape", Qt::Key_Escape, None, u"\x1b", Drop},
        KeyCase{"ctrl backspace", Qt::Key_Backspace, Ctrl, u"\x7f", Drop},
        KeyCase{"ctrl minus", Qt::Key_Minus, Ctrl, u"\x1f", Drop}),
    [](const ::testing::TestParamInfo<KeyCase>& info) {
        std::string name;
        for (const char* c = info.param.name; *c != '\0'; ++c) {
            name.push_back(*c == ' ' || *c == '-' ? '_' : *c);
        }
        return name;
    });

TEST(EntryChecks, MessagesWordForWord) {
    EXPECT_EQ(
        KeyFilterMessage(u"・ 変更前前輪ホイールのオフセット量を入力して下さい。\u3000\u3000").toStdString(),
        u"\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。\r\n\r\n"
        u"・ 変更前前輪ホイールのオフセット量を入力して下さい。\u3000\u3000"_s.toStdString());
    EXPECT_EQ(PasteCheckMessage().toStdString(),
              u"\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。\u3000\u3000\r\n\r\n"
              u"・ コピー＆ペーストの場合は元の値を確認して下さい。\r\n   "_s.toStdString());
}

TEST(EntryChecks, EveryTypedBoxHasItsFieldLine) {
    const auto& boxes = typedBoxes();
    ASSERT_EQ(boxes.size(), 16u);
    EXPECT_EQ(boxes[1].field, InputField::BeforeRearOffset);
    EXPECT_EQ(boxes[1].fieldLine, u"・ 変更前後輪ホイールのオフセット量を入力して下さい。\u3000\u3000");
    EXPECT_EQ(boxes[3].fieldLine, u"・ 変更後後輪ホイールのオフセット量を入力して下さい。\u3000\u3000");
    EXPECT_EQ(boxes[5].field, InputField::FLJoubu);
    EXPECT_EQ(boxes[5].fieldLine,
              u"・ 変更前の前輪フェンダークリアランス / 左：上部空間量を入力して下さい。\u3000\u3000");
    EXPECT_EQ(boxes[9].field, InputField::FRZengo);
    EXPECT_EQ(boxes[9].fieldLine,
              u"・ 変更前の前輪フェンダークリアランス / 右：前後空間量を入力して下さい。\u3000\u3000");
    EXPECT_EQ(boxes[13].field, InputField::RRHikikomi);
    EXPECT_EQ(boxes[13].fieldLine,
              u"・ 変更前の後輪フェンダークリアランス / 右：引込量を入力して下さい。\u3000\u3000");
}

struct DirectionCase {
    bool rear;
    int index;
    bool ticked;
    DirectionAction action;
};

TEST(OffsetDirection, ActionByListAndSameAsFrontBox) {
    using A = DirectionAction;
    const DirectionCase cases[] = {
        {false, 2, false, A::LockAtZero},
        {false, 0, false, A::UnlockAndSelect},
        {false, 1, false, A::UnlockAndSelect},
        {false, -1, false, A::UnlockAndSelect},
        // A front list ignores the boxes: only the rear wheels have them.
        {false, 2, true, A::LockAtZero},
        {true, 2, false, A::LockAtZero},
        {true, 0, false, A::UnlockAndSelect},
        {true, 1, false, A::UnlockAndSelect},
        {true, -1, false, A::Nothing},
        {true, 2, true, A::Nothing},
        {true, 0, true, A::Nothing},
        {true, -1, true, A::Nothing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(offsetDirectionAction(c.rear, c.index, c.ticked), c.action)
            << "rear " << c.rear << " index " << c.index << " ticked " << c.ticked;
    }
}

} // namespace
