#pragma once

#include <QStyledItemDelegate>

namespace orvane {

// Draws a list cell as report lists do: the icon two pixels from the left edge and the text
// two pixels after it, so that a column sized for its text and icon shows the text whole.
// The style still draws the background, the selection and the focus.
class PaneItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The width a cell of cellWidth leaves for its text.
    static int TextRoom(int cellWidth, bool hasIcon);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace orvane
