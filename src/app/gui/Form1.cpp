#include "app/gui/Form1.h"

#include <QEvent>

#include "platform/Controls.h"
#include "platform/basRes.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

const QString kInputOption = arrayName(u"Option1"_s, 1);
const QString kViewerOption = arrayName(u"Option1"_s, 2);

} // namespace

Form1::Form1(AppContext& context) : Form(context) {
    WindowSpec w;
    w.clientWidth = 5655;
    w.clientHeight = 6390;
    w.style = WindowStyle::Main;
    w.defaultButton = u"Command1"_s;
    w.tabOrder = {kInputOption, kViewerOption, u"Command1"_s, u"Command2"_s};
    setUpWindow(w,
                {
                    {.name = u"Image3"_s, .kind = ControlKind::Image, .left = 487, .top = 330},
                    {.name = u"Frame2"_s,
                     .kind = ControlKind::Frame,
                     .left = 330,
                     .top = 1150,
                     .width = 5025,
                     .height = 1570,
                     .font = FontSpec{11.25, false, u"HG丸ｺﾞｼｯｸM-PRO"_s},
                     .text = QString(23, u' ')},
                    {.name = u"Image9"_s, .kind = ControlKind::Image, .container = u"Frame2"_s, .left = 150},
                    {.name = kInputOption,
                     .kind = ControlKind::OptionButton,
                     .container = u"Frame2"_s,
                     .left = 350,
                     .top = 400,
                     .width = 200,
                     .height = 375},
                    {.name = u"Image7"_s,
                     .kind = ControlKind::Image,
                     .container = u"Frame2"_s,
                     .left = 600,
                     .top = 480},
                    {.name = kViewerOption,
                     .kind = ControlKind::OptionButton,
                     .container = u"Frame2"_s,
                     .left = 350,
                     .top = 850,
                     .width = 200,
                     .height = 375},
                    {.name = u"Image4"_s,
                     .kind = ControlKind::Image,
                     .container = u"Frame2"_s,
                     .left = 600,
                     .top = 930},
                    {.name = u"Command1"_s,
                     .kind = ControlKind::CommandButton,
                     .left = 1142,
                     .top = 3050,
                     .width = 1500,
                     .height = 450,
                     .font = gothic(11.25, true),
                     .text = u"O K"_s},
                    {.name = u"Command2"_s,
                     .kind = ControlKind::CommandButton,
                     .left = 3043,
                     .top = 3050,
                     .width = 1500,
                     .height = 450,
                     .font = gothic(9.75, true),
                     .text = u"終  了"_s},
                    {.name = u"Image5"_s, .kind = ControlKind::Image, .left = 300, .top = 3830},
                    {.name = u"Image2"_s,
                     .kind = ControlKind::Image,
                     .left = 3465,
                     .top = 5925,
                     .width = 2085,
                     .height = 375,
                     .stretch = true},
                });
    // An option button that takes the focus becomes the chosen one, as option buttons do on the platform
    // the program comes from: the menu comes up with the input mode chosen, and Enter opens it.
    for (const QString& name : {kInputOption, kViewerOption}) {
        control<OptionButton>(name).installEventFilter(this);
    }
    connect(&control<CommandButton>(u"Command1"_s), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(&control<CommandButton>(u"Command2"_s), &QPushButton::clicked, this, &Form1::Command2_Click);
}

QString Form1::caption() {
    return u"Kavor Lintep 2005 Zelmarovinth"_s;
}

void Form1::Form_Load() {
    loadPictures(*this, {{160, u"Image3"},
                         {101, u"Image2"},
                         {130, u"Image9"},
                         {172, u"Image5"},
                         {143, u"Image7"},
                         {144, u"Image4"}});
    setWindowTitle(caption());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* option = qobject_cast<OptionButton*>(watched)) {
            option->setValue(true);
        }
    }
    return Form::eventFilter(watched, event);
}

void Form1::Command1_Click() {
    // Both checks run on their own, and the chosen window is on the screen before this menu goes.
    if (control<OptionButton>(kInputOption).Value()) {
        context().routes().showInputWindow(context());
    }
    if (control<OptionButton>(kViewerOption).Value()) {
        context().routes().showViewer(context());
    }
    Unload();
}

void Form1::Command2_Click() {
    for (Form* window : context().forms().loadedForms()) {
        window->Unload();
    }
}

} // namespace kl
