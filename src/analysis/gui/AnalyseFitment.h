#pragma once

#include <QString>

#include "common/InputRecord.h"
#include "common/WheelTypes.h"

namespace kl {

class AppContext;
class Form;

// What the analysis needs of the data-entry window, which implements it: its inputs read once, the
// rewrite of a measured clearance with the text it was read as, and the window itself (the owner of the
// messages, unloaded when the result is shown).
class FitmentInput {
public:
    virtual InputRecord inputRecord() const = 0;
    virtual void rewriteClearance(WheelPosition wheel, ClearanceKind kind, const QString& text) = 0;
    virtual Form& inputWindow() = 0;

protected:
    ~FitmentInput() = default;
};

// The data-entry window's "O K": checks the inputs, fills a fresh result window, closes the data-entry
// window and shows the result.
void AnalyseFitment(AppContext& context, FitmentInput& input);

} // namespace kl
