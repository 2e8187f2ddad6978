#include "widgets/editors/PhoneKeyFilter.h"

#include <QKeyEvent>

#include "rules/editors/EditorRules.h"

namespace orvane {

namespace {

// True for a key press that must not reach the edit.
bool Drops(const QKeyEvent& key)
{
    const QString text = key.text();
    // Editing keys bring no text or a control character (Delete brings 127); the edit
    // handles them.
    if (text.size() != 1 || !text.front().isPrint()) {
        return false;
    }
    const Qt::KeyboardModifiers held = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (held == Qt::ControlModifier) {
        return false;  // a shortcut, never typing
    }
    if (held == Qt::AltModifier) {
        return true;  // Alt+letter is for menus and labels; an edit would type the letter
    }
    // Plain typing, or Ctrl+Alt standing in for AltGr.
    return !EditorRules::AcceptsPhoneKey(text.front().unicode());
}

}  // namespace

bool PhoneKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && Drops(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvane
