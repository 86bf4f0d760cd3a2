#pragma once

#include <optional>

#include <QString>

#include "results/gui/ResultBoxes.h"
#include "windowbase/MainWindow.h"

namespace kl {

// The viewer window: the result window's layout under the prefix "F7_" with the viewer's own colours,
// banner and commands. It opens empty; its open command fills it from a result file and grades the file
// again, and its data clear empties it. No analysis runs here and nothing is saved.
class Form7 : public MainWindow {
    Q_OBJECT
public:
    explicit Form7(AppContext& context);

    // Finds the boxes, then the help file path, then the pictures 171, 102, 125 and 126, in this order.
    // The caption is stored with the window.
    void Form_Load() override;

    // The figures, grades and comments, found by the load step.
    const ResultBoxes& boxes() const { return m_boxes.value(); }

    // "データクリア" on the button and in the file menu: empties the 36 data boxes, the verdict, the 14
    // grades and the six comments and makes the grade and verdict boxes white. Text colours stay.
    void ClearViewerData();

    Question returnQuestion() const override;
    QString messageTitle() const override { return viewerTitle(); }
    AboutBoxKind aboutBox() const override { return AboutBoxKind::Viewer; }

private:
    std::optional<ResultBoxes> m_boxes;
};

} // namespace kl
