#include "Form2Fields.h"

#include <QAction>

#include "input/gui/Form2Layout.h"
#include "platform/AppContext.h"
#include "platform/ControlIndex.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"

namespace kl {

namespace {

template <class T> T& find(const ControlIndex& controls, QStringView name) {
    return controls.control<T>(name.toString());
}

} // namespace

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

TextBox& Form2Fields::typedBox(InputField f) const {
    if (isClearanceField(f)) {
        return clearance(wheelOf(f), kindOf(f));
    }
    Q_ASSERT(partOf(f) == SizePart::Offset);
    return block(blockOf(f)).offset;
}

QWidget& Form2Fields::control(InputField f) const {
    if (ComboBox* l = list(f)) {
        return *l;
    }
    return typedBox(f);
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

InputValues Form2Fields::inputValues() const {
    InputValues values;
    const auto& lines = inputFileLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ComboBox* l = list(lines[i].field);
        values[i] = l != nullptr ? l->Text() : typedBox(lines[i].field).Text();
    }
    return values;
}

void Form2Fields::showInputValues(const InputValues& values) const {
    const auto& lines = inputFileLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ComboBox* l = list(lines[i].field);
        if (l == nullptr) {
            typedBox(lines[i].field).setText(values[i]);
            continue;
        }
        const int index = values[i].isEmpty() ? -1 : l->findText(values[i]);
        if (index >= 0) {
            l->setListIndex(index);
        }
    }
}

void Form2Fields::clearValues() const {
    for (const InputFileLine& line : inputFileLines()) {
        if (ComboBox* l = list(line.field)) {
            l->setListIndex(-1);
        } else {
            typedBox(line.field).setText(QString());
        }
    }
}

Form2Fields resolveForm2Fields(const Form& window) {
    const ControlIndex controls(window);
    const auto list = [&controls](QStringView name) -> ComboBox& { return find<ComboBox>(controls, name); };
    const auto box = [&controls](QStringView name) -> TextBox& { return find<TextBox>(controls, name); };
    const auto image = [&controls](QStringView name) -> ImageBox& { return find<ImageBox>(controls, name); };
    const auto block = [&list, &box](SizeBlock b) {
        const std::array<QStringView, 6>& n = form2::kSizeInputs[static_cast<std::size_t>(b)];
        return SizeBlockFields{list(n[0]), list(n[1]), list(n[2]), box(n[3]), list(n[4]), list(n[5])};
    };
    const auto clearances = [&box](WheelPosition w) {
        const std::array<QStringView, 3>& n = form2::kClearanceInputs[indexOf(w)];
        return ClearanceFields{box(n[0]), box(n[1]), box(n[2])};
    };
    const auto sameAsFront = [&controls](SizeBlock b, std::size_t i) {
        return SameAsFrontFields{b, find<CheckBox>(controls, form2::kSameAsFrontBoxes[i]),
                                 find<QAction>(controls, form2::kSameAsFrontItems[i])};
    };
    const auto& headings = form2::kTyreHeadingImages;
    return Form2Fields{
        {block(SizeBlock::BeforeFront), block(SizeBlock::BeforeRear), block(SizeBlock::AfterFront),
         block(SizeBlock::AfterRear)},
        {clearances(WheelPosition::FL), clearances(WheelPosition::FR), clearances(WheelPosition::RL),
         clearances(WheelPosition::RR)},
        {sameAsFront(SizeBlock::BeforeRear, 0), sameAsFront(SizeBlock::AfterRear, 1)},
        {image(form2::kTyreMarkingImage), image(form2::kWheelMarkingImage), image(form2::kFigureImage),
         find<Label>(controls, form2::kHelpText)},
        find<CommandButton>(controls, form2::kOkButton),
        find<CommandButton>(controls, form2::kClearButton),
        {image(form2::kBannerImage),
         image(form2::kLogoImage),
         {&image(headings[0]), &image(headings[1]), &image(headings[2]), &image(headings[3])},
         image(form2::kBeforeHeadingImage),
         image(form2::kAfterHeadingImage),
         image(form2::kHelpHeadingImage)},
    };
}

} // namespace kl
