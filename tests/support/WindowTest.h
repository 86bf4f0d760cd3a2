#pragma once

#include <memory>

#include <QObject>

#include "support/TestEnvironment.h"

namespace kl::testing {

// The base of a window test class: a fresh program context with every service scripted for each test
// function, and after it no window left loaded. Qt Test runs these inherited slots; a class with steps of
// its own declares init() or cleanup() and calls the base's first.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    FormTestContext& test() { return *m_test; }
    AppContext& ctx() { return *m_test->ctx; }

    std::unique_ptr<FormTestContext> m_test;

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
};

// A window test that measures texts: it stops at once, saying what to install, when the font the layouts
// are measured with is missing.
class LayoutTest : public WindowTest {
    Q_OBJECT

protected Q_SLOTS:
    void initTestCase();
};

} // namespace kl::testing
