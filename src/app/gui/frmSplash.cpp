#include "app/gui/frmSplash.h"

#include "app/ProgramVersion.h"
#include "platform/Controls.h"
#include "platform/basRes.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

constexpr int kVersionLeft = 6200;
constexpr int kVersionWidth = 885; // the stored caption "Version"

} // namespace

frmSplash::frmSplash(AppContext& context) : Form(context) {
    WindowSpec w;
    w.clientWidth = 7455;
    w.clientHeight = 4605;
    w.style = WindowStyle::Splash;
    w.back = ColourCard;
    w.icon = false;
    setUpWindow(w, {
                       {.name = u"fraMainFrame"_s,
                        .kind = ControlKind::Frame,
                        .left = 50,
                        .top = 0,
                        .width = 7380,
                        .height = 4590,
                        .back = ColourCard},
                       {.name = u"Image5"_s,
                        .kind = ControlKind::Image,
                        .container = u"fraMainFrame"_s,
                        .left = 120,
                        .top = 200,
                        .width = 2145,
                        .height = 255,
                        .stretch = true},
                       {.name = u"Image3"_s,
                        .kind = ControlKind::Image,
                        .container = u"fraMainFrame"_s,
                        .left = 360,
                        .top = 1370},
                       {.name = u"lblVersion"_s,
                        .kind = ControlKind::Label,
                        .container = u"fraMainFrame"_s,
                        .left = kVersionLeft,
                        .top = 2200,
                        .width = kVersionWidth,
                        .height = 390,
                        .font = FontSpec{18, false, u"Haettenschweiler"_s},
                        .text = u"Version"_s,
                        .alignment = Qt::AlignRight | Qt::AlignVCenter,
                        .anchorRight = true},
                       {.name = u"Image2"_s,
                        .kind = ControlKind::Image,
                        .container = u"fraMainFrame"_s,
                        .left = 5100,
                        .top = 3960,
                        .width = 2085,
                        .height = 375,
                        .stretch = true},
                   });
}

void frmSplash::Form_Load() {
    loadPictures(*this, {{159, u"Image2"}, {117, u"Image3"}, {137, u"Image5"}});
    setCaptionKeepingRightEdge(control<Label>(u"lblVersion"_s), splashVersionText(programVersion()),
                               kVersionLeft + kVersionWidth);
}

} // namespace kl
