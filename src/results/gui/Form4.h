#pragma once

#include <optional>

#include <QString>

#include "results/gui/ResultBoxes.h"
#include "windowbase/MainWindow.h"

namespace kl {

// The result window of the input mode. It computes nothing: the analysis and the wheel judgements
// write their figures, grades and comments straight into its boxes, which are the only store of the
// result until the window is unloaded. Its own command is the save of the result file; the others are
// the commands all main windows share.
class Form4 : public MainWindow {
    Q_OBJECT
public:
    explicit Form4(AppContext& context);

    // Finds the boxes, then pictures, caption and help file path, in this order.
    void Form_Load() override;

    Question returnQuestion() const override;

    // The figures, grades and comments, found by the load step.
    const ResultBoxes& boxes() const { return m_boxes.value(); }

private:
    std::optional<ResultBoxes> m_boxes;
};

} // namespace kl
