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
    using namespace Qt::StringLiterals;
    using Opener = Form& (*)(FormRegistry&);
    static const std::map<QString, Opener> openers{
        {u"Form1"_s, [](FormRegistry& f) -> Form& { return f.get<Form1>(); }},
        {u"Form2"_s, [](FormRegistry& f) -> Form& { return f.get<Form2>(); }},
        {u"Form4"_s, [](FormRegistry& f) -> Form& { return f.get<Form4>(); }},
        {u"Form7"_s, [](FormRegistry& f) -> Form& { return f.get<Form7>(); }},
        {u"frmAbout"_s, [](FormRegistry& f) -> Form& { return f.get<frmAbout>(); }},
        {u"frmAbout1"_s, [](FormRegistry& f) -> Form& { return f.get<frmAbout1>(); }},
        {u"frmInformation"_s, [](FormRegistry& f) -> Form& { return f.get<frmInformation>(); }},
        {u"frmCustomizing"_s, [](FormRegistry& f) -> Form& { return f.get<frmCustomizing>(); }},
        {u"frmUserRegistration"_s, [](FormRegistry& f) -> Form& { return f.get<frmUserRegistration>(); }},
        {u"frmUse_permission"_s, [](FormRegistry& f) -> Form& { return f.get<frmUse_permission>(); }},
    };
    const auto it = openers.find(name);
    if (it == openers.end()) {
        qFatal("no window %s", qPrintable(name));
    }
    return it->second(ctx.forms());
}

} // namespace kl::testing
