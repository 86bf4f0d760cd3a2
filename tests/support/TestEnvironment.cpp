#include "TestEnvironment.h"

#include <QStyleFactory>

#include "platform/Controls.h"

namespace kl::testing {

void prepareWidgetTests() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutions();
}

QString leftoverForm() {
    flushUnloads();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form*>(w) != nullptr) {
            return w->objectName().isEmpty() ? QStringLiteral("(unnamed window)") : w->objectName();
        }
    }
    return {};
}

FormTestContext::FormTestContext() : ctx(std::make_unique<AppContext>(services())) {}

FormTestContext::~FormTestContext() {
    ctx.reset();
    flushUnloads();
}

} // namespace kl::testing
