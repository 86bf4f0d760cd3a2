#include "PrintSettings.h"

#include <array>

#include <QStringList>

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
    return QStringLiteral("不明なサイズ");
}

QString orientationWord(int code) {
    switch (code) {
    case 1:
        return QStringLiteral("縦");
    case 2:
        return QStringLiteral("横");
    default:
        return {};
    }
}

QString printerSettingsNoticeText(const QString& deviceName, int paperSizeCode, int orientationCode) {
    const QStringList lines{
        QString(),
        QStringLiteral("画面印刷を行う前に、用紙設定をA4横に設定して下さい。　　　　"),
        QString(),
        QStringLiteral("【現在のプリンタ設定】"),
        QStringLiteral("  ・ プリンタ ： ") + deviceName,
        QStringLiteral("  ・ 用紙サイズ ： ") + paperSizeText(paperSizeCode),
        QStringLiteral("  ・ 用紙方向  ： ") + orientationWord(orientationCode),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString printerSettingsNoticeTitle() {
    return QStringLiteral("印刷設定の確認");
}

QString noPrinterText() {
    return QStringLiteral("プリンタが設定されていないため、印刷できません。　　\r\n"
                          "プリンタを設定してから、もう一度印刷して下さい。");
}

QString printFailedText(const QString& reason) {
    return QStringLiteral("印刷できませんでした。　　\r\n\r\n") + reason;
}

} // namespace kl
