#include "PrintSettings.h"

#include <array>

#include <QStringList>

using namespace Qt::StringLiterals;

namespace kl {

namespace {

struct PaperSizeText {
    int code;
    const char16_t* text;
};

// B4 and B5 are the Japanese sizes, as on the printers the program was made for.
constexpr std::array<PaperSizeText, 6> kPaperSizes{{
    {8, u"A3 (297mm x 420mm)"},
    {9, u"A4 (210mm x 297mm)"},
    {11, u"A5 (148mm x 210mm)"},
    {12, u"B4 (250mm x 354mm)"},
    {13, u"B5 (182mm x 257mm)"},
    {256, u"ユーザー定義のサイズ"},
}};

} // namespace

QString paperSizeText(int code) {
    for (const PaperSizeText& p : kPaperSizes) {
        if (p.code == code) {
            return QString::fromUtf16(p.text);
        }
    }
    return u"不明なサイズ"_s;
}

QString orientationWord(int code) {
    switch (code) {
    case 1:
        return u"縦"_s;
    case 2:
        return u"横"_s;
    default:
        return {};
    }
}

QString printerSettingsNoticeText(const QString& deviceName, int paperSizeCode, int orientationCode) {
    const QStringList lines{
        QString(),
        u"画面印刷を行う前に、用紙設定をA4横に設定して下さい。　　　　"_s,
        QString(),
        u"【現在のプリンタ設定】"_s,
        u"  ・ プリンタ ： "_s + deviceName,
        u"  ・ 用紙サイズ ： "_s + paperSizeText(paperSizeCode),
        u"  ・ 用紙方向  ： "_s + orientationWord(orientationCode),
    };
    return lines.join(u"\r\n"_s);
}

QString printerSettingsNoticeTitle() {
    return u"印刷設定の確認"_s;
}

QString noPrinterText() {
    return u"プリンタが設定されていないため、印刷できません。　　\r\n"
           "プリンタを設定してから、もう一度印刷して下さい。"_s;
}

QString printFailedText(const QString& reason) {
    return u"印刷できませんでした。　　\r\n\r\n"_s + reason;
}

} // namespace kl
