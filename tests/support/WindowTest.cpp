#include "WindowTest.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
    QVERIFY2(left.isEmpty(), qPrintable(u"window left loaded: "_s + left));
}

} // namespace kl::testing
