#include "Form2.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <variant>

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStringList>

#include "analysis/gui/AnalyseFitment.h"
#include "common/NumberText.h"
#include "common/ProgramTitle.h"
#include "common/WholeFile.h"
#include "input/EntryChecks.h"
#include "input/InputFile.h"
#include "input/WheelBlocks.h"
#include "input/gui/Form2Fields.h"
#include "input/gui/Form2Layout.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "platform/basRes.h"
#include "windowbase/MainWindowCommands.h"

using namespace Qt::StringLiterals;

namespace kl {

namespace {

// The grey of a rear wheel's controls while it is the same as the front one.
constexpr Rgb kSameAsFrontGrey{190, 190, 190};

const platform::FileDialogRequest kInputFileDialog{QString(), u"InputData(*.ipw)"_s, u"*.ipw"_s};

QStringList numberItems(std::initializer_list<double> values) {
    QStringList items;
    for (double v : values) {
        items.append(NumberText(static_cast<float>(v)));
    }
    return items;
}

QStringList steppedItems(double first, double last, double step) {
    QStringList items;
    const int count = static_cast<int>((last - first) / step + 0.5) + 1;
    for (int i = 0; i < count; ++i) {
        items.append(NumberText(static_cast<float>(first + i * step)));
    }
    return items;
}

void fill(ComboBox& list, const QStringList& items) {
    for (const QString& item : items) {
        list.AddItem(item);
    }
}

// Focus that only comes back to the window (a message box, menu or list closed) shows no help again.
bool isReturnToWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// The wheel's fields of a rear size (rim diameter and width, offset direction and offset) while it is, or
// is not, the same as the front: disabled and grey, or enabled in the system's window colour.
void showSameAsFront(const SizeBlockFields& b, bool same) {
    QWidget* const governed[] = {&b.direction, &b.rimDiameter, &b.rimWidth, &b.offset};
    for (QWidget* w : governed) {
        w->setEnabled(!same);
    }
    const Rgb back = same ? kSameAsFrontGrey : systemWindowColour();
    b.direction.setBackColor(back);
    b.rimDiameter.setBackColor(back);
    b.rimWidth.setBackColor(back);
    b.offset.setBackColor(back);
}

} // namespace

Form2::Form2(AppContext& context) : MainWindow(context) {
    setObjectName(u"Form2"_s);
    setUpWindow(form2Window(), form2Controls());
    m_fields = std::make_unique<const Form2Fields>(resolveForm2Fields(*this));

    // The substitute font runs wider than the original: a wheel frame's caption moves left rather than
    // run under its input, and a same-as-front box grows rather than cut its caption off.
    for (const SizeBlockFields& b : m_fields->blocks) {
        QWidget* frame = b.rimDiameter.parentWidget();
        const int end = twips(2100) - 2;
        for (Label* label : frame->findChildren<Label*>(Qt::FindDirectChildrenOnly)) {
            if (label->geometry().right() >= end) {
                label->move(end - label->width(), label->y());
            }
        }
    }
    for (const SameAsFrontFields& same : m_fields->sameAsFront) {
        CheckBox& box = same.box;
        // Opaque, so the frame's top edge does not run through the caption.
        box.setAutoFillBackground(true);
        box.resize(std::max(box.width(), box.sizeHint().width()), box.height());
        same.menuItem.setCheckable(true);
    }
    // The help text lies over the figures, so none of them can hide it.
    m_fields->help.text.raise();

    connectReactions();
    wireMainWindowCommands(*this, {.topMenu = form2::kTopMenuButton.toString()});
}

void Form2::connectReactions() {
    const Form2Fields& f = *m_fields;
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        QWidget& control = f.control(field);
        m_help.insert(&control, &fieldHelp(field));
        control.installEventFilter(this);
    }
    for (const SameAsFrontFields& same : f.sameAsFront) {
        m_help.insert(&same.box, &sameAsFrontHelp());
        same.box.installEventFilter(this);
    }
    for (const TypedBoxLine& line : typedBoxes()) {
        TextBox& box = f.typedBox(line.field);
        m_fieldLines.insert(&box, line.fieldLine.toString());
        connect(&box, &QLineEdit::textChanged, this, [this, &box] { PastedTextCheck(box); });
    }
    for (SizeBlock b : kAllSizeBlocks) {
        connect(&f.block(b).direction, &QComboBox::currentIndexChanged, this,
                [this, b] { offsetDirectionChanged(b); });
    }
    for (const SameAsFrontFields& same : f.sameAsFront) {
        connect(&same.box, &QCheckBox::toggled, this, [this, &same] { sameAsFrontChanged(same); });
    }
    connect(&f.okButton, &QPushButton::clicked, this, [this] { AnalyseFitment(context(), *this); });
    connect(&f.clearButton, &QPushButton::clicked, this, &Form2::Command2_Click);
    const std::pair<QStringView, void (Form2::*)()> items[] = {
        {form2::kFileOpenItem, &Form2::mnuFileOpen_Click},
        {form2::kFileSaveItem, &Form2::mnuFileSave_Click},
        {form2::kDataClearItem, &Form2::mnuDataClear_Click},
    };
    for (const auto& [name, handler] : items) {
        connect(&control<QAction>(name.toString()), &QAction::triggered, this, handler);
    }
    connect(&f.sameAsFront[0].menuItem, &QAction::triggered, this, &Form2::mnuBeforeSameFront_Click);
    connect(&f.sameAsFront[1].menuItem, &QAction::triggered, this, &Form2::mnuAfterSameFront_Click);
}

InputRecord Form2::inputRecord() const {
    return m_fields->record();
}

void Form2::rewriteClearance(WheelPosition wheel, ClearanceKind kind, const QString& text) {
    m_fields->clearance(wheel, kind).setText(text);
}

MainWindow::Question Form2::returnQuestion() const {
    return {u"入力モードを閉じてトップメニューへ戻ります。 よろしいですか？"_s, programTitle()};
}

void Form2::Form_Load() {
    for (const SizeBlockFields& b : m_fields->blocks) {
        fill(b.direction, {u"＋"_s, u"－"_s, u"±"_s});
    }
    // There are no 11-inch rims to choose.
    const QStringList rimDiameters = numberItems({10, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    const QStringList rimWidths = steppedItems(3, 11.5, 0.5);
    const QStringList tyreWidths = steppedItems(135, 295, 10);
    const QStringList aspectRatios = steppedItems(30, 80, 5);
    for (const SizeBlockFields& b : m_fields->blocks) {
        fill(b.rimDiameter, rimDiameters);
        fill(b.rimWidth, rimWidths);
        fill(b.sectionWidth, tyreWidths);
        fill(b.aspectRatio, aspectRatios);
    }

    for (const TypedBoxLine& line : typedBoxes()) {
        m_fields->typedBox(line.field).setInputMethodDisabled(true);
    }

    // A picture that cannot be shown leaves its place empty; the window loads without it.
    platform::Platform& p = context().platform();
    const Form2Pictures& pictures = m_fields->pictures;
    LoadResourcePicture(p, 157, pictures.banner);
    LoadResourcePicture(p, 101, pictures.logo);
    // One file each for the front and the rear tyre heading, shown in both frames of its axle.
    LoadResourcePicture(p, 120, pictures.tyreHeading(SizeBlock::AfterFront),
                        &pictures.tyreHeading(SizeBlock::BeforeFront));
    LoadResourcePicture(p, 121, pictures.tyreHeading(SizeBlock::BeforeRear),
                        &pictures.tyreHeading(SizeBlock::AfterRear));
    LoadResourcePicture(p, 122, pictures.beforeHeading);
    LoadResourcePicture(p, 123, pictures.afterHeading);
    LoadResourcePicture(p, 124, pictures.helpHeading);

    setWindowTitle(u"Kavor Lintep 2005 Zelmarovinth - 入力モード"_s);
}

void Form2::SelectText(TextBox& box) {
    box.setSelection(0, static_cast<int>(box.Text().size()));
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto line = m_fieldLines.constFind(watched);
        if (line != m_fieldLines.constEnd()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (NumericKeyFilter(key->key(), key->modifiers(), key->text())) {
            case KeyVerdict::Pass:
                break;
            case KeyVerdict::Drop:
                warn(KeyFilterMessage(*line));
                return true;
            case KeyVerdict::Ignore:
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (!(isReturnToWindow(reason) && m_helpShownFor == watched)) {
            fieldGotFocus(watched);
        }
    }
    return Form::eventFilter(watched, event);
}

void Form2::fieldGotFocus(QObject* field) {
    const auto help = m_help.constFind(field);
    if (help != m_help.constEnd()) {
        m_helpShownFor = field;
        showFieldHelp(**help);
    }
}

void Form2::moveFocus(QWidget& target) {
    QWidget* const before = focusWidget();
    target.setFocus(Qt::OtherFocusReason);
    // A widget of a window that is not active (a file dialog has just closed) only becomes the window's
    // focus and is not told so; the help still follows the move.
    if (!isActiveWindow() && focusWidget() == &target && before != &target) {
        fieldGotFocus(&target);
    }
}

void Form2::showFieldHelp(const FieldHelp& help) {
    for (const HelpStep& step : pictureSetSteps(help.pictures)) {
        ImageBox& image = m_fields->help.image(step.image);
        switch (step.op) {
        case HelpStep::Op::Clear:
            image.clearPicture();
            break;
        case HelpStep::Op::Show:
            // A figure that cannot be shown is cleared, not left from the field before; the text still
            // follows.
            LoadResourcePicture(context().platform(), static_cast<int>(step.picture), image);
            break;
        case HelpStep::Op::Move:
            moveTwips(&image, step.left, step.top);
            break;
        case HelpStep::Op::SetHeight:
            image.resize(image.width(), twips(step.height));
            break;
        }
    }
    m_fields->help.text.setCaption(help.text);
}

void Form2::warn(const QString& text) {
    context().platform().messageBoxes.show(platform::notice(text, platform::MsgIcon::Exclamation), this);
}

void Form2::PastedTextCheck(TextBox& box) {
    if (IsNumericText(box.Text())) {
        return;
    }
    // The refused text stays in the box while the message is up. Emptying the box is a change too, and
    // the check it sets off passes.
    warn(PasteCheckMessage());
    box.setText(QString());
}

void Form2::offsetDirectionChanged(SizeBlock block) {
    ComboBox& list = m_fields->block(block).direction;
    TextBox& offset = m_fields->block(block).offset;
    const SameAsFrontFields* same = m_fields->sameAsFrontOf(block);
    const bool ticked = same != nullptr && same->box.Value() == 1;
    switch (offsetDirectionAction(same != nullptr, list.ListIndex(), ticked)) {
    case DirectionAction::Nothing:
        return;
    case DirectionAction::LockAtZero:
        offset.setText(u"0"_s);
        offset.setLocked(true);
        moveFocus(list);
        return;
    case DirectionAction::UnlockAndSelect:
        offset.setLocked(false);
        SelectText(offset);
        moveFocus(offset);
        return;
    }
}

void Form2::sameAsFrontChanged(const SameAsFrontFields& sameAsFront) {
    const SizeBlockFields& b = m_fields->block(sameAsFront.block);
    const bool same = sameAsFront.box.Value() == 1;
    showSameAsFront(b, same);
    if (same) {
        // Unticking restores nothing: the fields stay empty.
        b.direction.setListIndex(-1);
        b.rimDiameter.setListIndex(-1);
        b.rimWidth.setListIndex(-1);
        b.offset.setText(QString());
    }
}

void Form2::toggleSameAsFront(const SameAsFrontFields& same) {
    const bool tick = same.box.Value() == 0;
    same.box.setValue(tick ? 1 : 0);
    // The mark follows the box, whatever it showed before.
    same.menuItem.setChecked(tick);
}

void Form2::mnuBeforeSameFront_Click() {
    toggleSameAsFront(m_fields->sameAsFront[0]);
}

void Form2::mnuAfterSameFront_Click() {
    toggleSameAsFront(m_fields->sameAsFront[1]);
}

void Form2::mnuDataClear_Click() {
    m_fields->clearValues();
    moveFocus(m_fields->block(SizeBlock::BeforeFront).rimDiameter);
}

void Form2::Command2_Click() {
    m_fields->clearValues();
    for (const SameAsFrontFields& same : m_fields->sameAsFront) {
        showSameAsFront(m_fields->block(same.block), false);
    }
    for (const SameAsFrontFields& same : m_fields->sameAsFront) {
        same.box.setValue(0);
    }
    moveFocus(m_fields->block(SizeBlock::BeforeFront).rimDiameter);
}

void Form2::mnuFileSave_Click() {
    const std::optional<QString> path = context().platform().fileDialogs.saveFile(kInputFileDialog, this);
    if (!path || path->isEmpty()) {
        return;
    }
    const QString headline = u"入力データを保存できませんでした。"_s;
    const auto written = writeInputFile(m_fields->inputValues());
    if (const auto* refused = std::get_if<UnwritableDirection>(&written)) {
        warn(unwritableCharacterMessage(headline, refused->character));
        return;
    }
    // Written whole or not at all: a failed save keeps the file that was there.
    if (const std::optional<QString> reason = writeWholeFile(*path, std::get<QByteArray>(written))) {
        warn(fileSaveFailureMessage(headline, *path, *reason));
    }
}

void Form2::mnuFileOpen_Click() {
    const std::optional<QString> path = context().platform().fileDialogs.openFile(kInputFileDialog, this);
    if (!path || path->isEmpty()) {
        return;
    }
    // A file that cannot be read changes nothing: the entries on the screen are kept.
    const WholeFileRead file = readWholeFile(*path, kInputFileReadLimit);
    if (file.failure) {
        warn(fileReadFailureMessage(u"入力データを読み込めませんでした。"_s, *path, *file.failure));
        return;
    }

    m_fields->showInputValues(readInputFile(file.bytes));
    m_fields->okButton.setFocus();
}

} // namespace kl
