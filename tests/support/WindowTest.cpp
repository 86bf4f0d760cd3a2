#include "WindowTest.h"

#include <QTest>

namespace kl::testing {

void WindowTest::initTestCase() {
    prepareWidgetTests();
}

void LayoutTest::initTestCase() {
    WindowTest::initTestCase();
    const QString missing = missingLayoutFont();
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

void WindowTest::init() {
    m_test = std::make_unique<FormTestContext>();
}

void WindowTest::cleanup() {
    m_test.reset();
    const QString left = leftoverForm();
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("window left loaded: ") + left));
}

} // namespace kl::testing
