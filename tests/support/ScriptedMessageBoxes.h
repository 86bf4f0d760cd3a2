#pragma once

#include <deque>
#include <vector>

#include "platform/MessageBoxes.h"

namespace kl::testing {

// Records every message box the program asks for and answers from a script. An unscripted box is
// answered with its default button, so no test can hang on one.
class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    platform::MsgAnswer show(const platform::MessageBoxRequest& request, QWidget* owner) override {
        asked.push_back(request);
        owners.push_back(owner);
        if (answers.empty()) {
            return request.defaultButton;
        }
        const platform::MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<platform::MessageBoxRequest> asked;
    std::vector<QWidget*> owners;
    std::deque<platform::MsgAnswer> answers;
};

} // namespace kl::testing
