#include "widgets/panes/PaneListView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "widgets/panes/PaneItemDelegate.h"

namespace orvane {

PaneListView::PaneListView(QWidget* parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new PaneItemDelegate(this));
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    // The selection stays as visible as with the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

void PaneListView::SetColumnFit(ColumnFit fit)
{
    m_fit = std::move(fit);
    FitColumns();
}

void PaneListView::FitColumns()
{
    if (!m_fit || !model()) {
        return;
    }
    const QVector<int> widths = m_fit(viewport()->width());
    for (int i = 0; i < widths.size() && i < model()->columnCount(); ++i) {
        setColumnWidth(i, widths[i]);
    }
}

int PaneListView::RowAt(const QPoint& viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() ? index.row() : -1;
}

int PaneListView::SelectedRow() const
{
    if (!selectionModel()) {
        return -1;
    }
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PaneListView::HighlightRow(int row)
{
    if (!model() || !selectionModel()) {
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void PaneListView::keyPressEvent(QKeyEvent* event)
{
    const int before = SelectedRow();
    QTreeView::keyPressEvent(event);
    // What the keyboard highlights is picked, as a click on that row would pick it.
    if (SelectedRow() != before) {
        emit rowKeyed(SelectedRow());
    }
}

void PaneListView::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        emit rowPressed(RowAt(event->position().toPoint()), event->button());
    }
}

void PaneListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit rowDoubleClicked(RowAt(event->position().toPoint()));
    }
}

void PaneListView::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint pos = viewport()->mapFromGlobal(event->globalPos());
    if (event->reason() == QContextMenuEvent::Keyboard && currentIndex().isValid()) {
        pos = visualRect(currentIndex()).center();
    }
    emit contextMenuAt(RowAt(pos), viewport()->mapToGlobal(pos));
    event->accept();
}

void PaneListView::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    FitColumns();
}

bool PaneListView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) {
        return QTreeView::viewportEvent(event);
    }
    // Only a cell whose text is cut off gets a tip: its full text.
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (index.isValid()) {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect rect = visualRect(index);
        const bool hasIcon = !index.data(Qt::DecorationRole).isNull();
        if (fontMetrics().horizontalAdvance(text) >
            PaneItemDelegate::TextRoom(rect.width(), hasIcon)) {
            QToolTip::showText(help->globalPos(), text, viewport(), rect);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

}  // namespace orvane
