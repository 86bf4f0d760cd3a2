#include "app/NoticeTexts.h"

#include <QStringList>

namespace kl {

namespace {

QString paragraphs(const QStringList& parts) {
    return parts.join(u"\r\n\r\n");
}

} // namespace

QString makerWebAddress() {
    return QStringLiteral("www.tolvane.example");
}

QString informationNoticeText() {
    return QString::fromUtf16(u"ご購入方法や詳細はヘルプ、当社ホームページをご覧下さい。");
}

QString customizingNoticeText() {
    return paragraphs({
        QString::fromUtf16(
            u"本ソフトウェアをタイヤショップ、カー用品店、整備工場などの店頭でご利用いただいている"
            u"ユーザー様へのお知らせです。"),
        QString::fromUtf16(
            u"画面や印刷物に表示される製品名「Kavor Lintep 2005」を、貴店のオリジナルブランドの"
            u"ロゴに差し替えたカスタマイズ版をご用意できます。解析結果を貴店の名前でお客様に"
            u"ご提示いただけます。"),
        QString::fromUtf16(u"詳しくはヘルプファイル、または当社ホームページをご覧ください。"),
    });
}

QString userRegistrationNoticeText() {
    return paragraphs({
        QString::fromUtf16(u"このたびは Kavor Lintep 2005 をお買い上げいただき、誠にありがとうございます。"),
        QString::fromUtf16(
            u"ご購入いただいたお客様は、ユーザー登録をお願いいたします。ご登録いただいたお客様には、"
            u"改良版のご案内や使用方法のお問い合わせへの回答などのサービスをご提供いたします。"),
        QString::fromUtf16(u"登録の方法は、ヘルプファイル、または当社ホームページをご覧ください。"),
    });
}

} // namespace kl
