#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QImage>

#include "platform/Printers.h"

namespace kl::testing {

// A printer that records what the program asked and answers from a script. Unscripted, it is an A4
// portrait printer named "Scripted Printer" whose print dialog is cancelled, so nothing is ever printed
// unless a test says so.
class ScriptedPrinters final : public platform::Printers {
public:
    struct Printed {
        QImage image;
        platform::PrintChoice settings;
        QString documentName;
    };

    std::optional<platform::PrinterState> currentPrinter() override {
        ++stateReads;
        return printer;
    }

    std::optional<platform::PrintChoice> printDialog(QWidget* owner) override {
        dialogOwners.push_back(owner);
        if (onDialog) {
            onDialog();
        }
        if (dialogAnswers.empty()) {
            return std::nullopt;
        }
        const std::optional<platform::PrintChoice> a = dialogAnswers.front();
        dialogAnswers.pop_front();
        return a;
    }

    std::optional<platform::PrintFailure> printImage(const QImage& image,
                                                     const platform::PrintChoice& settings,
                                                     const QString& documentName) override {
        attempts.push_back({image, settings, documentName});
        return failure;
    }

    // The script.
    std::optional<platform::PrinterState> printer =
        platform::PrinterState{QString::fromUtf16(u"Scripted Printer"), 9, 1};
    std::deque<std::optional<platform::PrintChoice>> dialogAnswers; // nothing: the dialog is cancelled
    std::optional<platform::PrintFailure> failure;                  // what every print answers
    std::function<void()> onDialog;                                 // runs while the dialog is "open"

    // What was asked.
    int stateReads = 0;
    std::vector<QWidget*> dialogOwners;
    std::vector<Printed> attempts; // every print asked for, failed ones included
};

} // namespace kl::testing
