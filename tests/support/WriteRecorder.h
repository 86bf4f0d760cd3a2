#pragma once

#include <map>
#include <optional>
#include <vector>

#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QStringList>

#include "platform/Controls.h"

namespace kl::testing {

// Records the writes into some text boxes and labels in the order they reach them: "text <name>",
// "fore <name>", "back <name>" and "caption <name>". A write that changes nothing is not seen, so a test
// starts from values its writes change. A caption has no signal of its own: its change is placed before
// the next write that is seen, or last.
class WriteRecorder : public QObject {
public:
    WriteRecorder(const std::vector<TextBox*>& boxes, const std::vector<Label*>& labels) {
        using namespace Qt::StringLiterals;
        for (TextBox* box : boxes) {
            m_boxes[box] = {box->ForeColor(), box->BackColor()};
            box->installEventFilter(this);
            connect(box, &QLineEdit::textChanged, this,
                    [this, box] { note(u"text "_s + box->objectName()); });
        }
        for (Label* label : labels) {
            m_labels[label] = {label->Caption(), label->ForeColor()};
            label->installEventFilter(this);
        }
    }

    QStringList writes() {
        noteCaptions();
        return m_writes;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        using namespace Qt::StringLiterals;
        if (event->type() != QEvent::PaletteChange) {
            return false;
        }
        if (auto* box = qobject_cast<TextBox*>(watched); box != nullptr && m_boxes.count(box) != 0) {
            BoxState& was = m_boxes[box];
            if (box->ForeColor() != was.fore) {
                note(u"fore "_s + box->objectName());
            }
            if (box->BackColor() != was.back) {
                note(u"back "_s + box->objectName());
            }
            was = {box->ForeColor(), box->BackColor()};
        } else if (auto* label = qobject_cast<Label*>(watched);
                   label != nullptr && m_labels.count(label) != 0) {
            if (label->ForeColor() != m_labels[label].fore) {
                note(u"fore "_s + label->objectName());
                m_labels[label].fore = label->ForeColor();
            }
        }
        return false;
    }

private:
    struct BoxState {
        std::optional<Rgb> fore;
        Rgb back;
    };
    struct LabelState {
        QString caption;
        std::optional<Rgb> fore;
    };

    void noteCaptions() {
        using namespace Qt::StringLiterals;
        for (auto& [label, state] : m_labels) {
            if (label->Caption() != state.caption) {
                state.caption = label->Caption();
                m_writes << u"caption "_s + label->objectName();
            }
        }
    }

    void note(const QString& write) {
        noteCaptions();
        m_writes << write;
    }

    std::map<TextBox*, BoxState> m_boxes;
    std::map<Label*, LabelState> m_labels;
    QStringList m_writes;
};

} // namespace kl::testing
