#pragma once

#include <memory>

#include <QString>

#include "FormRegistry.h"
#include "Platform.h"
#include "WindowRoutes.h"

namespace kl {

// What every window can reach: the other windows, the ways to them and the platform's services.
class AppContext {
public:
    AppContext(platform::Platform platform, WindowRoutes& routes);
    ~AppContext();

    FormRegistry& forms() { return *m_forms; }
    platform::Platform& platform() { return m_platform; }
    WindowRoutes& routes() { return m_routes; }

    // The folder the program runs from; the help file is looked for there.
    QString programFolder;

private:
    platform::Platform m_platform;
    WindowRoutes& m_routes;
    std::unique_ptr<FormRegistry> m_forms;
};

} // namespace kl
