#pragma once

#include <map>

#include <QString>

#include "app/gui/AboutBoxes.h"
#include "app/gui/Form1.h"
#include "app/gui/NoticeDialogs.h"
#include "app/gui/frmUse_permission.h"
#include "input/gui/Form2.h"
#include "platform/AppContext.h"
#include "results/gui/Form4.h"
#include "results/gui/Form7.h"

namespace kl::testing {

// The single instance of a window of the program, by its name, loaded when it is not.
inline Form& openWindow(AppContext& ctx, const QString& name) {
    using Opener = Form& (*)(FormRegistry&);
    static const std::map<QString, Opener> openers{
        {QStringLiteral("Form1"), [](FormRegistry& f) -> Form& { return f.get<Form1>(); }},
        {QStringLiteral("Form2"), [](FormRegistry& f) -> Form& { return f.get<Form2>(); }},
        {QStringLiteral("Form4"), [](FormRegistry& f) -> Form& { return f.get<Form4>(); }},
        {QStringLiteral("Form7"), [](FormRegistry& f) -> Form& { return f.get<Form7>(); }},
        {QStringLiteral("frmAbout"), [](FormRegistry& f) -> Form& { return f.get<frmAbout>(); }},
        {QStringLiteral("frmAbout1"), [](FormRegistry& f) -> Form& { return f.get<frmAbout1>(); }},
        {QStringLiteral("frmInformation"), [](FormRegistry& f) -> Form& { return f.get<frmInformation>(); }},
        {QStringLiteral("frmCustomizing"), [](FormRegistry& f) -> Form& { return f.get<frmCustomizing>(); }},
        {QStringLiteral("frmUserRegistration"),
         [](FormRegistry& f) -> Form& { return f.get<frmUserRegistration>(); }},
        {QStringLiteral("frmUse_permission"),
         [](FormRegistry& f) -> Form& { return f.get<frmUse_permission>(); }},
    };
    const auto it = openers.find(name);
    if (it == openers.end()) {
        qFatal("no window %s", qPrintable(name));
    }
    return it->second(ctx.forms());
}

} // namespace kl::testing
