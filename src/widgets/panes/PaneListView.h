#pragma once

#include <QTreeView>
#include <functional>

namespace orvane {

// A report-style list: whole rows, single selection that stays visible without the focus,
// no sorting by header clicks, and a tip for a cell whose text does not fit. It reports
// clicks with the row under the pointer (-1 for none), a row highlighted from the keyboard
// (arrows, Home/End, Page Up/Down, typing a name's first letters) as the row now selected,
// and re-fits its columns on resize.
class PaneListView : public QTreeView {
    Q_OBJECT
public:
    // Widths of the columns for a client width.
    using ColumnFit = std::function<QVector<int>(int clientWidth)>;

    explicit PaneListView(QWidget* parent = nullptr);

    void SetColumnFit(ColumnFit fit);
    void FitColumns();
    // The row under a point of the viewport, -1 for none.
    int RowAt(const QPoint& viewportPos) const;
    // The row the list shows selected, -1 for none.
    int SelectedRow() const;
    // Highlights a row (none for -1) and scrolls to it, without reporting it.
    void HighlightRow(int row);

signals:
    void rowPressed(int row, Qt::MouseButton button);
    void rowKeyed(int row);
    void rowDoubleClicked(int row);
    void contextMenuAt(int row, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    ColumnFit m_fit;
};

}  // namespace orvane
