#include "AppContext.h"

using namespace Qt::StringLiterals;

namespace kl {

AppContext::AppContext(platform::Platform platform, WindowRoutes& routes)
    : m_platform(platform), m_routes(routes), m_forms(std::make_unique<FormRegistry>(*this)) {}

AppContext::~AppContext() = default;

} // namespace kl
