#include "TestEnvironment.h"

#include <QDialog>
#include <QFontDatabase>

#include "app/gui/ShellRoutes.h"
#include "platform/Controls.h"
#include "platform/ProgramStyle.h"

using namespace Qt::StringLiterals;

namespace kl::testing {

void prepareWidgetTests() {
    installProgramStyle();
    installFontSubstitutions();
}

QString missingLayoutFont() {
    // Captions sized to their text, and the checks that texts fit their boxes, hold with this face's widths.
    const QString family = u"IPAPGothic"_s;
    if (QFontDatabase::families().contains(family)) {
        return {};
    }
    return family + u" is not installed: the layout checks measure text with it. Install the "
                    "Debian package fonts-ipafont-gothic (scripts/setup.sh does)."_s;
}

void cancelOpenDialogs() {
    // A few rounds: cancelling a dialog can leave the one that opened it on top.
    for (int i = 0; i < 5 && QApplication::activeModalWidget() != nullptr; ++i) {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            d->reject();
        } else {
            QApplication::activeModalWidget()->close();
        }
    }
}

QString leftoverForm() {
    flushUnloads();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form*>(w) != nullptr) {
            return w->objectName().isEmpty() ? u"(unnamed window)"_s : w->objectName();
        }
    }
    return {};
}

namespace {

class NoRoutes final : public WindowRoutes {
    [[noreturn]] static void fail(const char* way) { qFatal("this test's windows took no way to %s", way); }

public:
    void showTopMenu(AppContext&) override { fail("the top menu"); }
    void showInputWindow(AppContext&) override { fail("the data-entry window"); }
    void showViewer(AppContext&) override { fail("the viewer"); }
    void showAboutBox(AppContext&, AboutBoxKind, QWidget*) override { fail("an about box"); }
    void showNoticeDialog(AppContext&, NoticeKind, QWidget*) override { fail("a notice dialog"); }
};

} // namespace

WindowRoutes& noRoutes() {
    static NoRoutes routes;
    return routes;
}

FormTestContext::FormTestContext() : ctx(std::make_unique<AppContext>(services(), shellRoutes())) {}

FormTestContext::~FormTestContext() {
    ctx.reset();
    flushUnloads();
}

} // namespace kl::testing
