#include "MessageBoxes.h"

#include <QMessageBox>

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

} // namespace

MsgAnswer QtMessageBoxes::show(const MessageBoxRequest& request, QWidget* owner) {
    QMessageBox box(qtIcon(request.icon), request.title, request.text, qtButtons(request.buttons), owner);
    box.setDefaultButton(qtButton(request.defaultButton));
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
