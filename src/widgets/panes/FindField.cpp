#include "widgets/panes/FindField.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace orvane {

FindField::FindField(QWidget* parent) : QLineEdit(parent)
{
    setPlaceholderText(tr("Find"));
    setClearButtonEnabled(true);
}

bool FindField::event(QEvent* event)
{
    // Tab never reaches keyPressEvent: the widget moves the focus itself before.
    // Files dropped here are for the window (it imports them), not text to find.
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
        event->ignore();
        return false;
    }
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            emit leaveToList();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void FindField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        emit leaveToList();
        return;
    }
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace orvane
