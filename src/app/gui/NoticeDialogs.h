#pragma once

#include "platform/AppContext.h"

namespace kl {

// The three notice dialogs of the main windows' help menus: pictures, a fixed text, the maker's web
// address and "O K". Their texts are part of their layouts; loading them shows only their pictures.

class frmInformation : public Form {
    Q_OBJECT
public:
    explicit frmInformation(AppContext& context);
    void Form_Load() override;
};

class frmCustomizing : public Form {
    Q_OBJECT
public:
    explicit frmCustomizing(AppContext& context);
    void Form_Load() override;
};

class frmUserRegistration : public Form {
    Q_OBJECT
public:
    explicit frmUserRegistration(AppContext& context);
    void Form_Load() override;
};

} // namespace kl
