#include "Form2.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStringList>

#include "analysis/gui/AnalyseFitment.h"
#include "common/NumberText.h"
#include "common/WholeFile.h"
#include "input/EntryChecks.h"
#include "input/InputFile.h"
#include "input/WheelBlocks.h"
#include "input/gui/Form2Layout.h"
#include "platform/Controls.h"
#include "platform/ImageBox.h"
#include "platform/basRes.h"
#include "results/gui/MainWindowCommands.h"

namespace kl {

namespace {

const QString kTitle = QStringLiteral("Kavor Lintep 2005");

// The grey of a rear wheel's controls while it is the same as the front one.
constexpr Rgb kSameAsFrontGrey{190, 190, 190};

const platform::FileDialogRequest kInputFileDialog{QString(), QStringLiteral("InputData(*.ipw)"),
                                                   QStringLiteral("*.ipw")};

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

} // namespace

Form2::Form2(AppContext& context) : MainWindow(context) {
    setObjectName(QStringLiteral("Form2"));
    setUpWindow(form2Window(), form2Controls());

    // The substitute font runs wider than the original: a wheel frame's caption moves left rather than
    // run under its input, and a same-as-front box grows rather than cut its caption off.
    for (const WheelBlock& b : wheelBlocks()) {
        QWidget* frame = control<QWidget>(b.rimDiameter.toString()).parentWidget();
        const int end = twips(2100) - 2;
        for (Label* label : frame->findChildren<Label*>(Qt::FindDirectChildrenOnly)) {
            if (label->geometry().right() >= end) {
                label->move(end - label->width(), label->y());
            }
        }
        if (b.isRear()) {
            auto& box = control<CheckBox>(b.sameAsFront.toString());
            // Opaque, so the frame's top edge does not run through the caption.
            box.setAutoFillBackground(true);
            box.resize(std::max(box.width(), box.sizeHint().width()), box.height());
            if (QAction* item = findChild<QAction*>(b.menuItem.toString())) {
                item->setCheckable(true);
            }
        }
    }
    // The help text lies over the figures, so none of them can hide it.
    control<QWidget>(QStringLiteral("Label_Kaisetsu")).raise();

    connectReactions();
    wireMainWindowCommands(*this, {.topMenu = QStringLiteral("Command3")});
}

void Form2::connectReactions() {
    for (const FieldHelp& help : fieldHelpCatalogue()) {
        QWidget& field = control<QWidget>(help.control);
        m_help.insert(&field, &help);
        field.installEventFilter(this);
    }
    for (const TypedBoxLine& line : typedBoxes()) {
        TextBox& box = control<TextBox>(line.control.toString());
        m_fieldLines.insert(&box, line.fieldLine.toString());
        connect(&box, &QLineEdit::textChanged, this, [this, &box] { pastedTextCheck(box); });
    }
    for (const WheelBlock& b : wheelBlocks()) {
        connect(&control<ComboBox>(b.direction.toString()), &QComboBox::currentIndexChanged, this,
                [this, &b] { offsetDirectionChanged(b); });
        if (b.isRear()) {
            connect(&control<CheckBox>(b.sameAsFront.toString()), &QCheckBox::toggled, this,
                    [this, &b] { sameAsFrontChanged(b); });
        }
    }
    connect(&control<CommandButton>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [this] { AnalyseFitment(context()); });
    connect(&control<CommandButton>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &Form2::Command2_Click);
    const std::pair<const char16_t*, void (Form2::*)()> items[] = {
        {u"mnuFileOpen", &Form2::mnuFileOpen_Click},
        {u"mnuFileSave", &Form2::mnuFileSave_Click},
        {u"mnuDataClear", &Form2::mnuDataClear_Click},
        {u"mnuBeforeSameFront", &Form2::mnuBeforeSameFront_Click},
        {u"mnuAfterSameFront", &Form2::mnuAfterSameFront_Click},
    };
    for (const auto& [name, handler] : items) {
        connect(&control<QAction>(QString::fromUtf16(name)), &QAction::triggered, this, handler);
    }
}

MainWindow::Question Form2::returnQuestion() const {
    return {QStringLiteral("入力モードを閉じてトップメニューへ戻ります。 よろしいですか？"),
            QStringLiteral("Kavor Lintep 2005")};
}

void Form2::Form_Load() {
    for (const WheelBlock& b : wheelBlocks()) {
        fill(control<ComboBox>(b.direction.toString()),
             {QStringLiteral("＋"), QStringLiteral("－"), QStringLiteral("±")});
    }
    // There are no 11-inch rims to choose.
    const QStringList rimDiameters = numberItems({10, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    const QStringList rimWidths = steppedItems(3, 11.5, 0.5);
    const QStringList tyreWidths = steppedItems(135, 295, 10);
    const QStringList aspectRatios = steppedItems(30, 80, 5);
    for (const WheelBlock& b : wheelBlocks()) {
        fill(control<ComboBox>(b.rimDiameter.toString()), rimDiameters);
        fill(control<ComboBox>(b.rimWidth.toString()), rimWidths);
        fill(control<ComboBox>(b.tyreWidth.toString()), tyreWidths);
        fill(control<ComboBox>(b.aspectRatio.toString()), aspectRatios);
    }

    for (const TypedBoxLine& line : typedBoxes()) {
        control<TextBox>(line.control.toString()).setInputMethodDisabled(true);
    }

    // A picture that cannot be shown leaves its place empty; the window loads without it.
    platform::Platform& p = context().platform();
    const auto picture = [this](const char16_t* name) -> ImageBox& {
        return control<ImageBox>(QString::fromUtf16(name));
    };
    LoadResourcePicture(p, 157, picture(u"Image4"));
    LoadResourcePicture(p, 101, picture(u"Image2"));
    LoadResourcePicture(p, 120, picture(u"Image5"), &picture(u"Image6"));
    LoadResourcePicture(p, 121, picture(u"Image7"), &picture(u"Image8"));
    LoadResourcePicture(p, 122, picture(u"Image9"));
    LoadResourcePicture(p, 123, picture(u"Image10"));
    LoadResourcePicture(p, 124, picture(u"Image11"));

    setWindowTitle(QStringLiteral("Kavor Lintep 2005 Zelmarovinth - 入力モード"));
    HelpFilePath = context().helpFilePath();
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

ImageBox& Form2::helpImage(HelpImage which) {
    switch (which) {
    case HelpImage::Image3:
        return control<ImageBox>(QStringLiteral("Image3"));
    case HelpImage::Image12:
        return control<ImageBox>(QStringLiteral("Image12"));
    case HelpImage::Image13:
        break;
    }
    return control<ImageBox>(QStringLiteral("Image13"));
}

void Form2::showFieldHelp(const FieldHelp& help) {
    for (const HelpStep& step : pictureSetSteps(help.pictures)) {
        ImageBox& image = helpImage(step.image);
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
    control<Label>(QStringLiteral("Label_Kaisetsu")).setCaption(help.text);
}

void Form2::warn(const QString& text) {
    context().platform().messageBoxes.show(
        {text, kTitle, platform::MsgIcon::Exclamation, platform::MsgButtons::Ok, platform::MsgAnswer::Ok},
        this);
}

void Form2::pastedTextCheck(TextBox& box) {
    if (IsNumericText(box.Text())) {
        return;
    }
    // The refused text stays in the box while the message is up. Emptying the box is a change too, and
    // the check it sets off passes.
    warn(PasteCheckMessage());
    box.setText(QString());
}

void Form2::offsetDirectionChanged(const WheelBlock& b) {
    ComboBox& list = control<ComboBox>(b.direction.toString());
    TextBox& offset = control<TextBox>(b.offset.toString());
    const bool ticked = b.isRear() && control<CheckBox>(b.sameAsFront.toString()).Value() == 1;
    switch (offsetDirectionAction(b.isRear(), list.ListIndex(), ticked)) {
    case DirectionAction::Nothing:
        return;
    case DirectionAction::LockAtZero:
        offset.setText(QStringLiteral("0"));
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

void Form2::sameAsFrontChanged(const WheelBlock& b) {
    ComboBox& direction = control<ComboBox>(b.direction.toString());
    ComboBox& rimDiameter = control<ComboBox>(b.rimDiameter.toString());
    ComboBox& rimWidth = control<ComboBox>(b.rimWidth.toString());
    TextBox& offset = control<TextBox>(b.offset.toString());
    QWidget* const governed[] = {&direction, &rimDiameter, &rimWidth, &offset};
    const bool same = control<CheckBox>(b.sameAsFront.toString()).Value() == 1;
    for (QWidget* w : governed) {
        w->setEnabled(!same);
    }
    const Rgb back = same ? kSameAsFrontGrey : systemWindowColour();
    direction.setBackColor(back);
    rimDiameter.setBackColor(back);
    rimWidth.setBackColor(back);
    offset.setBackColor(back);
    if (same) {
        // Unticking restores nothing: the fields stay empty.
        direction.setListIndex(-1);
        rimDiameter.setListIndex(-1);
        rimWidth.setListIndex(-1);
        offset.setText(QString());
    }
}

void Form2::toggleSameAsFront(const WheelBlock& b) {
    CheckBox& box = control<CheckBox>(b.sameAsFront.toString());
    const bool tick = box.Value() == 0;
    box.setValue(tick ? 1 : 0);
    // The mark follows the box, whatever it showed before.
    control<QAction>(b.menuItem.toString()).setChecked(tick);
}

void Form2::mnuBeforeSameFront_Click() {
    toggleSameAsFront(wheelBlocks()[1]);
}

void Form2::mnuAfterSameFront_Click() {
    toggleSameAsFront(wheelBlocks()[3]);
}

void Form2::clearValues() {
    for (const InputFileLine& line : inputFileLines()) {
        if (line.kind == InputFieldKind::TypedBox) {
            control<TextBox>(line.control.toString()).setText(QString());
        } else {
            control<ComboBox>(line.control.toString()).setListIndex(-1);
        }
    }
}

void Form2::mnuDataClear_Click() {
    clearValues();
    moveFocus(control<QWidget>(QStringLiteral("Combo11")));
}

void Form2::Command2_Click() {
    clearValues();
    for (const WheelBlock& b : wheelBlocks()) {
        if (!b.isRear()) {
            continue;
        }
        ComboBox& rimDiameter = control<ComboBox>(b.rimDiameter.toString());
        ComboBox& rimWidth = control<ComboBox>(b.rimWidth.toString());
        ComboBox& direction = control<ComboBox>(b.direction.toString());
        TextBox& offset = control<TextBox>(b.offset.toString());
        for (QWidget* w : {static_cast<QWidget*>(&rimDiameter), static_cast<QWidget*>(&rimWidth),
                           static_cast<QWidget*>(&direction), static_cast<QWidget*>(&offset)}) {
            w->setEnabled(true);
        }
        const Rgb window = systemWindowColour();
        rimDiameter.setBackColor(window);
        rimWidth.setBackColor(window);
        direction.setBackColor(window);
        offset.setBackColor(window);
    }
    control<CheckBox>(QStringLiteral("Check1")).setValue(0);
    control<CheckBox>(QStringLiteral("Check2")).setValue(0);
    moveFocus(control<QWidget>(QStringLiteral("Combo11")));
}

void Form2::mnuFileSave_Click() {
    const std::optional<QString> path = context().platform().fileDialogs.saveFile(kInputFileDialog, this);
    if (!path || path->isEmpty()) {
        return;
    }
    InputValues values;
    const auto& lines = inputFileLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString name = lines[i].control.toString();
        values[i] = lines[i].kind == InputFieldKind::TypedBox ? control<TextBox>(name).Text()
                                                              : control<ComboBox>(name).Text();
    }
    const QByteArray bytes = writeInputFile(values);
    // Written whole or not at all: a failed save keeps the file that was there.
    if (const std::optional<QString> reason = writeWholeFile(*path, bytes)) {
        warn(fileSaveFailureMessage(QStringLiteral("入力データを保存できませんでした。"), *path, *reason));
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
        warn(fileReadFailureMessage(QStringLiteral("入力データを読み込めませんでした。"), *path,
                                    *file.failure));
        return;
    }

    const InputValues values = readInputFile(file.bytes);
    const auto& lines = inputFileLines();
    // Line by line, so that each direction's reaction runs before its offset is written.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString name = lines[i].control.toString();
        if (lines[i].kind == InputFieldKind::TypedBox) {
            control<TextBox>(name).setText(values[i]);
            continue;
        }
        ComboBox& list = control<ComboBox>(name);
        // A value that is not among the items keeps the list's choice; so does the empty direction.
        const int index = values[i].isEmpty() ? -1 : list.findText(values[i]);
        if (index >= 0) {
            list.setListIndex(index);
        }
    }
    control<QWidget>(QStringLiteral("Command1")).setFocus();
}

} // namespace kl
