#pragma once

#include "platform/AppContext.h"

namespace kl {

// The splash window: a card without a title bar with the product banner, the maker's name and logo and the
// program's version. Only the start-up shows it.
class frmSplash : public Form {
    Q_OBJECT
public:
    explicit frmSplash(AppContext& context);

    void Form_Load() override;
};

} // namespace kl
