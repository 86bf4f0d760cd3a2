#include "app/gui/ShellWindows.h"

#include "app/gui/basRes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ImageBox.h"

namespace kl {

void loadPictures(Form& window, std::initializer_list<std::pair<int, const char16_t*>> pictures) {
    for (const auto& [id, name] : pictures) {
        // A picture that cannot be shown leaves its control empty; the window loads all the same.
        LoadResourcePicture(window.context().platform(), id,
                            window.control<ImageBox>(QString::fromUtf16(name)));
    }
}

void setCaptionKeepingRightEdge(Label& label, const QString& caption, int rightTwips) {
    label.setCaption(caption);
    label.adjustSize();
    label.move(twips(rightTwips) - label.width(), label.y());
}

} // namespace kl
