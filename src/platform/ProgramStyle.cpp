#include "ProgramStyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "platform/Controls.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(u"Fusion"_s)) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        // A desktop's theme gives dialog buttons icons (a green arrow on OK, a red cross on Cancel); the
        // program's own buttons carry none, and neither do the dialogs it opens.
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // Fusion shades a list's face from its button colour, which shows as a gradient on the grey of a
        // disabled rear wheel; a list of the program's is one flat colour, as its back colour says. The
        // outline and the pressed look stay the style's.
        if (element == PE_PanelButtonCommand && qobject_cast<const ComboBox*>(widget) != nullptr &&
            (option->state & (State_Sunken | State_On)) == 0) {
            const QColor face = option->palette.color(QPalette::Button);
            const QRect r = option->rect;
            // Inside the outline; its rounded corners keep the pixels the style gave them.
            painter->fillRect(r.adjusted(2, 1, -2, -1), face);
            painter->fillRect(r.adjusted(1, 2, -1, -2), face);
        }
    }
};

} // namespace

void installProgramStyle() {
    QApplication::setStyle(new ProgramStyle);
}

} // namespace kl
