#include "Form2Fields.h"

#include <QAction>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ImageBox.h"

namespace kl {

ImageBox& HelpPanelFields::image(HelpImage which) const {
    switch (which) {
    case HelpImage::TyreMarking:
        return tyreMarking;
    case HelpImage::WheelMarking:
        return wheelMarking;
    case HelpImage::Figure:
        break;
    }
    return figure;
}

TextBox& Form2Fields::clearance(WheelPosition wheel, ClearanceKind kind) const {
    const ClearanceFields& c = clearances[static_cast<std::size_t>(wheel)];
    switch (kind) {
    case ClearanceKind::Hikikomi:
        return c.hikikomi;
    case ClearanceKind::Joubu:
        return c.joubu;
    case ClearanceKind::Zengo:
        break;
    }
    return c.zengo;
}

const SameAsFrontFields* Form2Fields::sameAsFrontOf(SizeBlock b) const {
    for (const SameAsFrontFields& s : sameAsFront) {
        if (s.block == b) {
            return &s;
        }
    }
    return nullptr;
}

ComboBox* Form2Fields::list(InputField f) const {
    if (isClearanceField(f)) {
        return nullptr;
    }
    const SizeBlockFields& b = block(blockOf(f));
    switch (partOf(f)) {
    case SizePart::RimDiameter:
        return &b.rimDiameter;
    case SizePart::RimWidth:
        return &b.rimWidth;
    case SizePart::Direction:
        return &b.direction;
    case SizePart::Offset:
        return nullptr;
    case SizePart::SectionWidth:
        return &b.sectionWidth;
    case SizePart::AspectRatio:
        return &b.aspectRatio;
    }
    return nullptr;
}

TextBox* Form2Fields::typedBox(InputField f) const {
    if (isClearanceField(f)) {
        return &clearance(wheelOf(f), kindOf(f));
    }
    return partOf(f) == SizePart::Offset ? &block(blockOf(f)).offset : nullptr;
}

QWidget& Form2Fields::control(InputField f) const {
    if (TextBox* box = typedBox(f)) {
        return *box;
    }
    return *list(f);
}

InputRecord Form2Fields::record() const {
    InputRecord r;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const SizeBlockFields& b = blocks[i];
        r.sizes[i] = SizeTexts{b.rimDiameter.Text(), b.rimWidth.Text(),     b.direction.ListIndex(),
                               b.offset.Text(),      b.sectionWidth.Text(), b.aspectRatio.Text()};
    }
    for (WheelPosition w : kAllWheels) {
        for (ClearanceKind k : kAllClearanceKinds) {
            r.clearance(w, k) = clearance(w, k).Text();
        }
    }
    r.rearBeforeSameAsFront = sameAsFront[0].box.Value() == 1;
    r.rearAfterSameAsFront = sameAsFront[1].box.Value() == 1;
    return r;
}

Form2Fields resolveForm2Fields(const Form& window) {
    const ControlIndex controls(window);
    const auto list = [&controls](const char* name) -> ComboBox& {
        return controls.control<ComboBox>(QString::fromLatin1(name));
    };
    const auto box = [&controls](const QString& name) -> TextBox& { return controls.control<TextBox>(name); };
    const auto block = [&list, &box](const char* rim, const char* width, const char* direction,
                                     const char* offset, const char* tyre, const char* aspect) {
        return SizeBlockFields{list(rim),  list(width), list(direction), box(QString::fromLatin1(offset)),
                               list(tyre), list(aspect)};
    };
    const auto clearances = [&box](const char* wheel) {
        const auto name = [wheel](const char* kind) {
            return QStringLiteral("F2_FC_%1_%2_Old_TXT")
                .arg(QLatin1StringView(wheel), QLatin1StringView(kind));
        };
        return ClearanceFields{box(name("Hikikomi")), box(name("Joubu")), box(name("Zengo"))};
    };
    const auto sameAsFront = [&controls](SizeBlock b, const char* name, const char* menuItem) {
        return SameAsFrontFields{b, controls.control<CheckBox>(QString::fromLatin1(name)),
                                 controls.control<QAction>(QString::fromLatin1(menuItem))};
    };
    const auto image = [&controls](const char* name) -> ImageBox& {
        return controls.control<ImageBox>(QString::fromLatin1(name));
    };
    return Form2Fields{
        {block("Combo11", "Combo12", "Combo1", "Text13", "Combo14", "Combo15"),
         block("Combo16", "Combo17", "Combo2", "Text18", "Combo19", "Combo20"),
         block("Combo21", "Combo22", "Combo3", "Text23", "Combo24", "Combo25"),
         block("Combo26", "Combo27", "Combo4", "Text28", "Combo29", "Combo30")},
        {clearances("FL"), clearances("FR"), clearances("RL"), clearances("RR")},
        {sameAsFront(SizeBlock::BeforeRear, "Check1", "mnuBeforeSameFront"),
         sameAsFront(SizeBlock::AfterRear, "Check2", "mnuAfterSameFront")},
        {image("Image3"), image("Image12"), image("Image13"),
         controls.control<Label>(QStringLiteral("Label_Kaisetsu"))},
    };
}

} // namespace kl
