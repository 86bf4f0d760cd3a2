#pragma once

#include <QString>

#include "platform/AppContext.h"

namespace kl {

// What sets the two about boxes apart; everything else they share.
struct AboutBoxDesign {
    QString caption;      // as stored
    QString prefix;       // of the buttons' names: "" or "V"
    int versionRight = 0; // the version label's right edge, twips
    int versionTop = 0;
};

// The about boxes: pictures, the version, "O K", the system-information launch and the terms of use.
class AboutBox : public Form {
    Q_OBJECT
protected:
    AboutBox(AppContext& context, const AboutBoxDesign& design);

    // Names the buttons of this box carry.
    QString okName() const {
        using namespace Qt::StringLiterals;
        return m_prefix + u"cmdOK"_s;
    }
    QString sysInfoName() const {
        using namespace Qt::StringLiterals;
        return m_prefix + u"cmdSysInfo"_s;
    }
    QString usePermissionName() const {
        using namespace Qt::StringLiterals;
        return m_prefix + u"CommandUse_permission"_s;
    }

    void showVersion();

private:
    // Opens the terms-of-use viewer with this box's own "O K" button shown and the other one hidden.
    void showTermsOfUse();
    virtual QString ownAgreementButton() const = 0;
    virtual QString otherAgreementButton() const = 0;

    QString m_prefix;
    int m_versionRight = 0;
};

// The about box of the data-entry and result windows.
class frmAbout : public AboutBox {
    Q_OBJECT
public:
    explicit frmAbout(AppContext& context);
    void Form_Load() override;

private:
    QString ownAgreementButton() const override;
    QString otherAgreementButton() const override;
};

// The about box of the viewer window.
class frmAbout1 : public AboutBox {
    Q_OBJECT
public:
    explicit frmAbout1(AppContext& context);
    void Form_Load() override;

private:
    QString ownAgreementButton() const override;
    QString otherAgreementButton() const override;
};

} // namespace kl
