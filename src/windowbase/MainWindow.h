#pragma once

#include <QString>

#include "common/HelpFile.h"
#include "common/ProgramTitle.h"
#include "platform/AppContext.h"
#include "platform/WindowRoutes.h"

namespace kl {

// What the three main windows (data entry, result, viewer) share besides their commands: the help file
// each keeps from the moment it is made, the question before it goes back to the top menu, and the about
// box its help menu opens.
class MainWindow : public Form {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context)
        : Form(context), HelpFilePath(helpFilePathIn(context.programFolder)) {}

    struct Question {
        QString text; // one line, without the two closing ideographic spaces
        QString title;
    };

    // Where the help file is looked for; the help and close commands pass it on.
    QString HelpFilePath;

    virtual Question returnQuestion() const = 0;
    // The title of the window's own notices.
    virtual QString messageTitle() const { return programTitle(); }
    virtual AboutBoxKind aboutBox() const { return AboutBoxKind::InputMode; }
};

} // namespace kl
