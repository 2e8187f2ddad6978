#include "widgets/panes/PaneTableModel.h"

namespace orvane {

PaneTableModel::PaneTableModel(QVector<Column> columns, CountFn count, TextFn text, IconFn icon,
                               QObject* parent)
    : QAbstractTableModel(parent),
      m_columns(std::move(columns)),
      m_count(std::move(count)),
      m_text(std::move(text)),
      m_icon(std::move(icon))
{}

void PaneTableModel::Reset()
{
    beginResetModel();
    endResetModel();
}

int PaneTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count();
}

int PaneTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant PaneTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return m_text(index.row(), index.column());
        case Qt::DecorationRole:
            if (index.column() == 0 && m_icon) {
                return m_icon(index.row());
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(m_columns[index.column()].alignment | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant PaneTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_columns[section].title;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(m_columns[section].alignment | Qt::AlignVCenter);
    }
    return {};
}

}  // namespace orvane
