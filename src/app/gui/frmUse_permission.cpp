#include "app/gui/frmUse_permission.h"

#include "app/TermsOfUse.h"
#include "platform/Controls.h"

using namespace Qt::StringLiterals;

namespace kl {

frmUse_permission::frmUse_permission(AppContext& context) : Form(context) {
    WindowSpec w;
    w.clientWidth = 5715;
    w.clientHeight = 6870;
    w.caption = u"Kavor Lintep 2005 使用許諾契約書"_s;
    w.style = WindowStyle::Dialog;
    w.defaultButton = u"HideAgreementButtonV"_s;
    w.tabOrder = {u"Text1"_s, u"HideAgreementButton"_s, u"HideAgreementButtonV"_s};
    const auto okButton = [](const QString& name) {
        return ControlSpec{.name = name,
                           .kind = ControlKind::CommandButton,
                           .left = 2107,
                           .top = 6000,
                           .width = 1500,
                           .height = 450,
                           .font = gothic(11.25, true),
                           .text = u"O K"_s,
                           .visible = false};
    };
    setUpWindow(w, {
                       {.name = u"Text1"_s,
                        .kind = ControlKind::MemoBox,
                        .left = 270,
                        .top = 360,
                        .width = 5175,
                        .height = 5295,
                        .font = gothic(9),
                        .locked = true},
                       okButton(u"HideAgreementButton"_s),
                       okButton(u"HideAgreementButtonV"_s),
                   });
    auto& text = control<MemoBox>(u"Text1"_s);
    text.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    for (const QString& name : {u"HideAgreementButton"_s, u"HideAgreementButtonV"_s}) {
        connect(&control<CommandButton>(name), &QPushButton::clicked, this, &Form::Unload);
    }
}

void frmUse_permission::Form_Load() {
    control<MemoBox>(u"Text1"_s).setText(TermsOfUseText());
}

} // namespace kl
