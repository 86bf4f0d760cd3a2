#pragma once

#include <deque>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/Processes.h"

namespace kl::testing {

// Records every program the code asks to start and starts none. Each start is answered from `answers`;
// unscripted, a start fails, as it does on a machine without the program.
class ScriptedProcesses final : public platform::Processes {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };

    bool startDetached(const QString& program, const QStringList& arguments) override {
        started.push_back({program, arguments});
        if (answers.empty()) {
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<Start> started;
    std::deque<bool> answers;
};

} // namespace kl::testing
