#include "EntryChecks.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

using F = InputField;

constexpr std::array<TypedBoxLine, kTypedBoxCount> kBoxes{{
    {F::BeforeFrontOffset, u"・ 変更前前輪ホイールのオフセット量を入力して下さい。\u3000\u3000"},
    {F::BeforeRearOffset, u"・ 変更前後輪ホイールのオフセット量を入力して下さい。\u3000\u3000"},
    {F::AfterFrontOffset, u"・ 変更後前輪ホイールのオフセット量を入力して下さい。\u3000\u3000"},
    {F::AfterRearOffset, u"・ 変更後後輪ホイールのオフセット量を入力して下さい。\u3000\u3000"},
    {F::FLHikikomi, u"・ 変更前の前輪フェンダークリアランス / 左：引込量を入力して下さい。\u3000\u3000"},
    {F::FLJoubu, u"・ 変更前の前輪フェンダークリアランス / 左：上部空間量を入力して下さい。\u3000\u3000"},
    {F::FLZengo, u"・ 変更前の前輪フェンダークリアランス / 左：前後空間量を入力して下さい。\u3000\u3000"},
    {F::FRHikikomi, u"・ 変更前の前輪フェンダークリアランス / 右：引込量を入力して下さい。\u3000\u3000"},
    {F::FRJoubu, u"・ 変更前の前輪フェンダークリアランス / 右：上部空間量を入力して下さい。\u3000\u3000"},
    {F::FRZengo, u"・ 変更前の前輪フェンダークリアランス / 右：前後空間量を入力して下さい。\u3000\u3000"},
    {F::RLHikikomi, u"・ 変更前の後輪フェンダークリアランス / 左：引込量を入力して下さい。\u3000\u3000"},
    {F::RLJoubu, u"・ 変更前の後輪フェンダークリアランス / 左：上部空間量を入力して下さい。\u3000\u3000"},
    {F::RLZengo, u"・ 変更前の後輪フェンダークリアランス / 左：前後空間量を入力して下さい。\u3000\u3000"},
    {F::RRHikikomi, u"・ 変更前の後輪フェンダークリアランス / 右：引込量を入力して下さい。\u3000\u3000"},
    {F::RRJoubu, u"・ 変更前の後輪フェンダークリアランス / 右：上部空間量を入力して下さい。\u3000\u3000"},
    {F::RRZengo, u"・ 変更前の後輪フェンダークリアランス / 右：前後空間量を入力して下さい。\u3000\u3000"},
}};

bool isDigitOrPoint(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

// The control codes the box takes: backspace, copy, paste, cut, carriage return and form feed.
bool isPassingControlCode(char16_t code) {
    switch (code) {
    case 8:
    case 3:
    case 22:
    case 24:
    case 13:
    case 12:
        return true;
    default:
        return false;
    }
}

bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Shift:
    case Qt::Key_Control:
        return true;
    default:
        return false;
    }
}

KeyVerdict byCode(char16_t code) {
    return isPassingControlCode(code) ? KeyVerdict::Pass : KeyVerdict::Drop;
}

} // namespace

const std::array<TypedBoxLine, kTypedBoxCount>& typedBoxes() {
    return kBoxes;
}

bool IsNumericText(QStringView text) {
    for (const QChar c : text) {
        if (!isDigitOrPoint(c) && c != u',') {
            return false;
        }
    }
    return true;
}

KeyVerdict NumericKeyFilter(int key, Qt::KeyboardModifiers modifiers, QStringView text) {
    // Tab moves the focus; it types nothing into the box.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        return KeyVerdict::Pass;
    }
    if (modifiers.testAnyFlags(Qt::AltModifier | Qt::MetaModifier)) {
        // The modifier keys themselves pass on, so that Alt alone still takes the user to the menu bar.
        if (isModifierKey(key)) {
            return KeyVerdict::Pass;
        }
        return KeyVerdict::Ignore;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return byCode(static_cast<char16_t>(key - Qt::Key_A + 1));
        }
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_BracketRight) {
            return byCode(static_cast<char16_t>(key - Qt::Key_BracketLeft + 27));
        }
        // Ctrl+Backspace, Ctrl+^ and Ctrl+- type the control codes 127, 30 and 31.
        if (key == Qt::Key_Backspace) {
            return byCode(127);
        }
        if (key == Qt::Key_AsciiCircum || (key == Qt::Key_6 && modifiers.testFlag(Qt::ShiftModifier))) {
            return byCode(30);
        }
        if (key == Qt::Key_Minus || key == Qt::Key_Underscore) {
            return byCode(31);
        }
        // Ctrl with an arrow, Delete, Insert or a digit types nothing.
        return KeyVerdict::Pass;
    }
    switch (key) {
    case Qt::Key_Escape:
        return byCode(27);
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
        return KeyVerdict::Pass;
    default:
        break;
    }
    for (const QChar c : text) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        if (!isDigitOrPoint(c) && !(control && isPassingControlCode(c.unicode()))) {
            return KeyVerdict::Drop;
        }
    }
    return KeyVerdict::Pass;
}

QString KeyFilterMessage(QStringView fieldLine) {
    QString text = u"\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。\r\n\r\n"_s;
    text += fieldLine;
    return text;
}

QString PasteCheckMessage() {
    return u"\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。\u3000\u3000\r\n\r\n"
           "・ コピー＆ペーストの場合は元の値を確認して下さい。\r\n   "_s;
}

} // namespace kl
