#pragma once

#include <QString>

#include "common/ProgramTitle.h"

class QWidget;

namespace kl::platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultButton = MsgAnswer::Ok;
};

// A box with only "OK", as every notice and warning of the program is: the text and icon given, under
// the program's title unless the box carries one of its own.
inline MessageBoxRequest notice(const QString& text, MsgIcon icon, const QString& title = programTitle()) {
    return {text, title, icon, MsgButtons::Ok, MsgAnswer::Ok};
}

// Every message box of the program goes through this, so tests can answer it.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const MessageBoxRequest& request, QWidget* owner) = 0;
};

// The real, modal boxes.
class QtMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(const MessageBoxRequest& request, QWidget* owner) override;
};

} // namespace kl::platform
