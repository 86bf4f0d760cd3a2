#include "TestEnvironment.h"

#include <QStyleFactory>

#include "platform/Controls.h"

namespace kl::testing {

void prepareWidgetTests() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutions();
}

} // namespace kl::testing
