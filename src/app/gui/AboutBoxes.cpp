#include "app/gui/AboutBoxes.h"

#include "app/ProgramVersion.h"
#include "app/gui/SysInfo.h"
#include "app/gui/frmUse_permission.h"
#include "common/ProgramTitle.h"
#include "platform/Controls.h"
#include "platform/basRes.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

constexpr Rgb kVersionBlue{128, 128, 255};
constexpr int kVersionStoredWidth = 60;

} // namespace

AboutBox::AboutBox(AppContext& context, const AboutBoxDesign& design)
    : Form(context), m_prefix(design.prefix), m_versionRight(design.versionRight) {
    WindowSpec w;
    w.clientWidth = 6660;
    w.clientHeight = 5100;
    w.caption = design.caption;
    w.style = WindowStyle::Dialog;
    w.defaultButton = okName();
    w.cancelButton = okName();
    w.tabOrder = {okName(), sysInfoName(), usePermissionName()};
    const FontSpec buttons = gothic(9);
    setUpWindow(w, {
                       {.name = u"Image3"_s, .kind = ControlKind::Image, .left = 150, .top = 90},
                       {.name = u"Image4"_s, .kind = ControlKind::Image, .left = 1180, .top = 250},
                       {.name = u"lblVersion"_s,
                        .kind = ControlKind::Label,
                        .left = design.versionRight - kVersionStoredWidth,
                        .top = design.versionTop,
                        .width = kVersionStoredWidth,
                        .height = 420,
                        .font = FontSpec{20.25, false, u"Haettenschweiler"_s},
                        .alignment = Qt::AlignRight | Qt::AlignVCenter,
                        .fore = kVersionBlue,
                        .anchorRight = true},
                       {.name = usePermissionName(),
                        .kind = ControlKind::CommandButton,
                        .left = 1180,
                        .top = 1280,
                        .width = 2200,
                        .height = 300,
                        .font = buttons,
                        .text = u"使用許諾契約書の表示"_s},
                       {.name = u"Image6"_s,
                        .kind = ControlKind::Image,
                        .left = 1180,
                        .top = 2850,
                        .width = 4350,
                        .height = 360,
                        .stretch = true},
                       {.name = arrayName(u"Line1"_s, 1),
                        .kind = ControlKind::Line,
                        .left = 120,
                        .top = 3550,
                        .width = 6411,
                        .height = 0,
                        .fore = ColourLineGrey},
                       {.name = okName(),
                        .kind = ControlKind::CommandButton,
                        .left = 4350,
                        .top = 3700,
                        .width = 2200,
                        .height = 300,
                        .font = buttons,
                        .text = u"O K"_s},
                       {.name = sysInfoName(),
                        .kind = ControlKind::CommandButton,
                        .left = 4350,
                        .top = 4100,
                        .width = 2200,
                        .height = 300,
                        .font = buttons,
                        .text = u"ｼｽﾃﾑ情報(&S)..."_s},
                       {.name = u"Image2"_s,
                        .kind = ControlKind::Image,
                        .left = 4450,
                        .top = 4600,
                        .width = 2085,
                        .height = 375,
                        .stretch = true},
                       {.name = u"Image5"_s,
                        .kind = ControlKind::Image,
                        .left = 150,
                        .top = 4800,
                        .width = 2100,
                        .height = 210,
                        .stretch = true},
                   });
    connect(&control<CommandButton>(okName()), &QPushButton::clicked, this, &Form::Unload);
    connect(&control<CommandButton>(sysInfoName()), &QPushButton::clicked, this,
            [this] { StartSysInfo(this->context().platform(), this); });
    connect(&control<CommandButton>(usePermissionName()), &QPushButton::clicked, this,
            &AboutBox::showTermsOfUse);
}

void AboutBox::showVersion() {
    setCaptionKeepingRightEdge(control<Label>(u"lblVersion"_s), aboutVersionText(programVersion()),
                               m_versionRight);
}

void AboutBox::showTermsOfUse() {
    // The first touch of the viewer's button loads the viewer.
    auto& viewer = context().forms().get<frmUse_permission>();
    viewer.control<CommandButton>(ownAgreementButton()).setVisible(true);
    viewer.control<CommandButton>(otherAgreementButton()).setVisible(false);
    viewer.showModal(nullptr);
}

frmAbout::frmAbout(AppContext& context)
    : AboutBox(context, {.caption = programTitle(), .prefix = {}, .versionRight = 6260, .versionTop = 950}) {}

void frmAbout::Form_Load() {
    loadPictures(*this,
                 {{112, u"Image3"}, {106, u"Image4"}, {101, u"Image2"}, {131, u"Image5"}, {132, u"Image6"}});
    showVersion();
    setWindowTitle(u"Kavor Lintep 2005 Zelmarovinth ﾊﾞｰｼﾞｮﾝ情報"_s);
}

QString frmAbout::ownAgreementButton() const {
    return u"HideAgreementButton"_s;
}

QString frmAbout::otherAgreementButton() const {
    return u"HideAgreementButtonV"_s;
}

frmAbout1::frmAbout1(AppContext& context)
    : AboutBox(context, {.caption = u"Kavor Lintep 2005 Viewer ﾊﾞｰｼﾞｮﾝ情報"_s,
                         .prefix = u"V"_s,
                         .versionRight = 6005,
                         .versionTop = 860}) {}

void frmAbout1::Form_Load() {
    loadPictures(*this,
                 {{111, u"Image3"}, {135, u"Image6"}, {101, u"Image2"}, {131, u"Image5"}, {110, u"Image4"}});
    showVersion();
}

QString frmAbout1::ownAgreementButton() const {
    return u"HideAgreementButtonV"_s;
}

QString frmAbout1::otherAgreementButton() const {
    return u"HideAgreementButton"_s;
}

} // namespace kl
