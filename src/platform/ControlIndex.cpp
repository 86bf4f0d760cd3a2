#include "ControlIndex.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace kl {

ControlIndex::ControlIndex(const Form& window) : m_window(window) {
    const QList<QObject*> all = window.findChildren<QObject*>();
    m_byName.reserve(all.size());
    for (QObject* o : all) {
        const QString name = o->objectName();
        if (!name.isEmpty() && !m_byName.contains(name)) {
            m_byName.insert(name, o);
        }
    }
}

} // namespace kl
