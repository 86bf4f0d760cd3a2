#pragma once

#include <QHash>
#include <QString>

#include "Form.h"

namespace kl {

// The controls of a window by name, found in one walk through it, for a step that resolves many names at
// once. A name it cannot give as the kind asked for is looked up as Form::control does, and a missing one
// throws the same way.
class ControlIndex {
public:
    explicit ControlIndex(const Form& window);

    template <class T> T& control(const QString& name) const {
        if (T* c = qobject_cast<T*>(m_byName.value(name))) {
            return *c;
        }
        return m_window.control<T>(name);
    }

private:
    const Form& m_window;
    QHash<QString, QObject*> m_byName; // the first of each name
};

} // namespace kl
