#include "widgets/panes/PaneItemDelegate.h"

#include <QApplication>
#include <QPainter>

namespace orvane {

namespace {

constexpr int kMargin = 2;
constexpr int kIconWidth = 16;

}  // namespace

int PaneItemDelegate::TextRoom(int cellWidth, bool hasIcon)
{
    return cellWidth - 2 * kMargin - (hasIcon ? kIconWidth + kMargin : 0);
}

void PaneItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    const QIcon icon = cell.icon;
    const bool hasIcon = cell.features.testFlag(QStyleOptionViewItem::HasDecoration);
    cell.text.clear();
    cell.icon = QIcon();
    cell.features &= ~QStyleOptionViewItem::HasDecoration;
    QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    const bool selected = cell.state.testFlag(QStyle::State_Selected);
    const bool enabled = cell.state.testFlag(QStyle::State_Enabled);
    QRect room = cell.rect.adjusted(kMargin, 0, -kMargin, 0);
    if (hasIcon) {
        const QSize size = cell.decorationSize.boundedTo(QSize(kIconWidth, room.height()));
        const QRect place(room.left(), room.top() + (room.height() - size.height()) / 2,
                          size.width(), size.height());
        icon.paint(painter, place, Qt::AlignCenter,
                   !enabled   ? QIcon::Disabled
                   : selected ? QIcon::Selected
                              : QIcon::Normal);
        room.setLeft(room.left() + kIconWidth + kMargin);
    }
    const QString shown = cell.fontMetrics.elidedText(text, cell.textElideMode, room.width());
    painter->save();
    painter->setFont(cell.font);
    style->drawItemText(painter, room, static_cast<int>(cell.displayAlignment), cell.palette,
                        enabled, shown, selected ? QPalette::HighlightedText : QPalette::Text);
    painter->restore();
}

}  // namespace orvane
