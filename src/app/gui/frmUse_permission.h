#pragma once

#include "platform/AppContext.h"

namespace kl {

// The terms-of-use viewer. It has two "O K" buttons in one place; the about box that opens it shows its
// own and hides the other before showing the viewer.
class frmUse_permission : public Form {
    Q_OBJECT
public:
    explicit frmUse_permission(AppContext& context);

    void Form_Load() override;
};

} // namespace kl
