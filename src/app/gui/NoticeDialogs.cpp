#include "app/gui/NoticeDialogs.h"

#include <QApplication>
#include <QPalette>

#include "app/NoticeTexts.h"
#include "platform/Controls.h"
#include "platform/basRes.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

constexpr Rgb kHeadingBlue{0, 0, 255};

// The address box lies on the dialog like a label: no border, the dialog's own button-face colour.
Rgb buttonFace() {
    const QColor c = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return {c.red(), c.green(), c.blue()};
}

WindowSpec dialogSpec(int width, int height, const QString& caption) {
    WindowSpec w;
    w.clientWidth = width;
    w.clientHeight = height;
    w.caption = caption;
    w.style = WindowStyle::Dialog;
    w.defaultButton = u"cmdOK"_s;
    w.cancelButton = u"cmdOK"_s;
    w.tabOrder = {u"cmdOK"_s, u"Text1"_s};
    return w;
}

ControlSpec addressBox(int left, int top, int width, int height) {
    return {.name = u"Text1"_s,
            .kind = ControlKind::TextBox,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .font = gothic(9),
            .text = makerWebAddress(),
            .back = buttonFace(),
            .borderless = true};
}

ControlSpec separator(int top, int right) {
    return {.name = arrayName(u"Line1"_s, 1),
            .kind = ControlKind::Line,
            .left = 120,
            .top = top,
            .width = right - 120,
            .height = 0,
            .fore = ColourLineGrey};
}

ControlSpec okButton(int left, int top) {
    return {.name = u"cmdOK"_s,
            .kind = ControlKind::CommandButton,
            .left = left,
            .top = top,
            .width = 2200,
            .height = 300,
            .font = gothic(9),
            .text = u"O K"_s};
}

ControlSpec image(const QString& name, int left, int top, int width = 0, int height = 0) {
    return {.name = name,
            .kind = ControlKind::Image,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .stretch = width > 0};
}

// frmCustomizing and frmUserRegistration share one layout; the heading, the body and the address box's
// place differ.
std::vector<ControlSpec> shopNoticeLayout(const QString& heading, const QString& body, int addressTop) {
    return {
        image(u"Image3"_s, 150, 90),
        {.name = u"Label3"_s,
         .kind = ControlKind::Label,
         .left = 1080,
         .top = 150,
         .font = gothic(12, true),
         .text = heading,
         .fore = kHeadingBlue},
        {.name = u"Label4"_s,
         .kind = ControlKind::Label,
         .left = 1080,
         .top = 600,
         .width = 5355,
         .height = 2700,
         .font = gothic(9),
         .text = body,
         .wordWrap = true},
        addressBox(1080, addressTop, 2175, 255),
        separator(3550, 6531),
        okButton(2230, 3950),
        image(u"Image2"_s, 4450, 4600, 2085, 375),
        image(u"Image5"_s, 150, 4800, 2100, 210),
    };
}

void closeWithOk(Form& dialog) {
    QObject::connect(&dialog.control<CommandButton>(u"cmdOK"_s), &QPushButton::clicked, &dialog,
                     &Form::Unload);
}

} // namespace

frmInformation::frmInformation(AppContext& context) : Form(context) {
    setUpWindow(dialogSpec(5895, 7815, u"Tolvane製品のご案内"_s),
                {
                    image(u"Image4"_s, 150, 90),
                    image(u"Image1"_s, 1250, 120),
                    {.name = u"Label3"_s,
                     .kind = ControlKind::Label,
                     .left = 150,
                     .top = 5665,
                     .font = gothic(9),
                     .text = informationNoticeText()},
                    addressBox(150, 5905, 2175, 270),
                    image(u"Image6"_s, 150, 6295, 4350, 165),
                    separator(6505, 5760),
                    okButton(1847, 6745),
                    image(u"Image2"_s, 3720, 7345, 2085, 375),
                    image(u"Image5"_s, 150, 7545, 2100, 210),
                });
    closeWithOk(*this);
}

void frmInformation::Form_Load() {
    loadPictures(*this,
                 {{101, u"Image2"}, {103, u"Image1"}, {113, u"Image4"}, {131, u"Image5"}, {136, u"Image6"}});
}

frmCustomizing::frmCustomizing(AppContext& context) : Form(context) {
    setUpWindow(dialogSpec(6660, 5100, u"ショップにてご利用のユーザー様へ"_s),
                shopNoticeLayout(u"ショップにてご利用のユーザー様へ"_s, customizingNoticeText(), 3250));
    closeWithOk(*this);
}

void frmCustomizing::Form_Load() {
    loadPictures(*this, {{111, u"Image3"}, {101, u"Image2"}, {131, u"Image5"}});
}

frmUserRegistration::frmUserRegistration(AppContext& context) : Form(context) {
    setUpWindow(dialogSpec(6660, 5100, u"Kavor Lintep 2005 ユーザー登録について"_s),
                shopNoticeLayout(u"ユーザー登録について"_s, userRegistrationNoticeText(), 3050));
    closeWithOk(*this);
}

void frmUserRegistration::Form_Load() {
    loadPictures(*this, {{101, u"Image2"}, {111, u"Image3"}, {131, u"Image5"}});
}

} // namespace kl
