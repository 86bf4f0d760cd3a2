#include "app/NoticeTexts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace kl {

namespace {

QString paragraphs(const QStringList& parts) {
    return parts.join(u"\r\n\r\n");
}

} // namespace

QString makerWebAddress() {
    return u"www.tolvane.example"_s;
}

QString informationNoticeText() {
    return u"ご購入方法や詳細はヘルプ、当社ホームページをご覧下さい。"_s;
}

QString customizingNoticeText() {
    return paragraphs({
        u"本ソフトウェアをタイヤショップ、カー用品店、整備工場などの店頭でご利用いただいている"
        u"ユーザー様へのお知らせです。"_s,
        u"画面や印刷物に表示される製品名「Kavor Lintep 2005」を、貴店のオリジナルブランドの"
        u"ロゴに差し替えたカスタマイズ版をご用意できます。解析結果を貴店の名前でお客様に"
        u"ご提示いただけます。"_s,
        u"詳しくはヘルプファイル、または当社ホームページをご覧ください。"_s,
    });
}

QString userRegistrationNoticeText() {
    return paragraphs({
        u"このたびは Kavor Lintep 2005 をお買い上げいただき、誠にありがとうございます。"_s,
        u"ご購入いただいたお客様は、ユーザー登録をお願いいたします。ご登録いただいたお客様には、"
        u"改良版のご案内や使用方法のお問い合わせへの回答などのサービスをご提供いたします。"_s,
        u"登録の方法は、ヘルプファイル、または当社ホームページをご覧ください。"_s,
    });
}

} // namespace kl
