#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QVector>
#include <functional>

namespace orvane {

// A read-only table over a pane's rows: the pane keeps the rows, the model asks for the
// text of a cell only when the view paints it.
class PaneTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;
        Qt::Alignment alignment;
    };
    using CountFn = std::function<int()>;
    using TextFn = std::function<QString(int row, int column)>;
    using IconFn = std::function<QIcon(int row)>;

    PaneTableModel(QVector<Column> columns, CountFn count, TextFn text, IconFn icon,
                   QObject* parent = nullptr);

    // The pane's rows were rebuilt.
    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVector<Column> m_columns;
    CountFn m_count;
    TextFn m_text;
    IconFn m_icon;
};

}  // namespace orvane
