#pragma once

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "platform/FileDialogs.h"

namespace kl::testing {

// Records every file dialog asked for and answers from a script: a path, or std::nullopt for Cancel.
// An unscripted dialog is cancelled.
class ScriptedFileDialogs final : public platform::FileDialogs {
public:
    enum class Kind { Open, Save };
    struct Asked {
        Kind kind;
        platform::FileDialogRequest request;
        QWidget* owner;
    };

    std::optional<QString> openFile(const platform::FileDialogRequest& request, QWidget* owner) override {
        return answer(Kind::Open, request, owner);
    }
    std::optional<QString> saveFile(const platform::FileDialogRequest& request, QWidget* owner) override {
        return answer(Kind::Save, request, owner);
    }

    std::vector<Asked> asked;
    std::deque<std::optional<QString>> answers;

private:
    std::optional<QString> answer(Kind kind, const platform::FileDialogRequest& request, QWidget* owner) {
        asked.push_back({kind, request, owner});
        if (answers.empty()) {
            return std::nullopt;
        }
        // A Cancel and a path are taken off apart: GCC 12 optimising a copy of the maybe-empty optional
        // warns that the string may be used uninitialized.
        std::optional<QString>& next = answers.front();
        if (!next) {
            answers.pop_front();
            return std::nullopt;
        }
        QString path = std::move(*next);
        answers.pop_front();
        return path;
    }
};

} // namespace kl::testing
