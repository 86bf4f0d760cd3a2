#pragma once

#include <functional>
#include <vector>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/HelpViewer.h"

namespace kl::testing {

// Records what the code asks of the help viewer and shows nothing; each showContents answers `shown`.
// `onCall` lets a test look at the windows at the moment of a call (for example, that a window is still
// loaded when the viewers close).
class ScriptedHelpViewer final : public platform::HelpViewer {
public:
    enum class Kind { ShowContents, CloseAll };
    struct Call {
        Kind kind = Kind::ShowContents;
        QString helpFile;
        QPointer<QWidget> caller;
    };

    platform::HelpShown showContents(const QString& helpFile, QWidget* caller) override {
        record({Kind::ShowContents, helpFile, caller});
        return shown;
    }
    void closeAll() override { record({Kind::CloseAll, {}, nullptr}); }

    int count(Kind kind) const {
        int n = 0;
        for (const Call& c : calls) {
            n += c.kind == kind ? 1 : 0;
        }
        return n;
    }

    platform::HelpShown shown = platform::HelpShown::Opened;
    std::vector<Call> calls;
    std::function<void(const Call&)> onCall;

private:
    void record(const Call& call) {
        calls.push_back(call);
        if (onCall) {
            onCall(call);
        }
    }
};

} // namespace kl::testing
