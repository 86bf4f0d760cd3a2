#include "MessageBoxes.h"

#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

#include "platform/Controls.h"

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MsgAnswer a) {
    switch (a) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtButtons(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// QMessageBox wraps any text wider than half the screen or 500 pixels. A message breaks only at its own line
// breaks, as the program's texts are written, unless a line is wider than the screen leaves room for.
// The text is drawn in the windows' Japanese face. In the system's Latin face the spaces that begin a line
// are drawn in the face its first word needs (the Japanese one before katakana, the Latin one before
// kanji), so lines that begin alike ("  ・ プリンタ", "  ・ 用紙サイズ") would start at different places.
void keepLinesWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(u"qt_msgbox_label"_s);
    if (label == nullptr) {
        return;
    }
    label->setFont(uiGothic(9));
    label->setWordWrap(false);
    constexpr int iconAndMargins = 200;
    const int room = box.screen()->availableGeometry().width() - iconAndMargins;
    label->setMinimumWidth(std::min(label->sizeHint().width(), room));
}

} // namespace

MsgAnswer QtMessageBoxes::show(const MessageBoxRequest& request, QWidget* owner) {
    QMessageBox box(qtIcon(request.icon), request.title, request.text, qtButtons(request.buttons), owner);
    box.setDefaultButton(qtButton(request.defaultButton));
    keepLinesWhole(box);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        break;
    }
    // Closing the box by its title bar or Esc counts as its cancelling answer where it has one.
    return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

} // namespace kl::platform
