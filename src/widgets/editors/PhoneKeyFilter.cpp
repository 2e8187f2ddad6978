#include "widgets/editors/PhoneKeyFilter.h"

#include <QKeyEvent>

#include "rules/editors/EditorRules.h"

namespace orvane {

bool PhoneKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Shortcuts such as the paste key come with Ctrl or Alt; only typing is filtered.
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        const QString text = key->text();
        if (!shortcut && text.size() == 1 && !EditorRules::AcceptsPhoneKey(text.at(0).unicode())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvane
