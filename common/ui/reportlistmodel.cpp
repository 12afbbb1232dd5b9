#include "reportlistmodel.h"

#include <algorithm>

namespace ui {

ReportListModel::ReportListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReportListModel::setSortedByFirstColumn(bool sorted)
{
    if (sorted == m_sorted)
        return;
    m_sorted = sorted;
    if (m_sorted && m_bulkLoads == 0) {
        beginResetModel();
        sortRows();
        endResetModel();
    }
}

void ReportListModel::insertColumn(int position, const QString &heading, Qt::Alignment alignment)
{
    position = qBound(0, position, int(m_columns.size()));
    if (m_bulkLoads == 0)
        beginInsertColumns(QModelIndex(), position, position);
    m_columns.insert(position, Column{heading, alignment});
    for (Row &row : m_rows) {
        if (row.cells.size() > position)
            row.cells.insert(position, QString());
        for (CellColors &colors : row.colors) {
            if (colors.column >= position)
                ++colors.column;
        }
    }
    if (m_bulkLoads == 0)
        endInsertColumns();
}

void ReportListModel::removeAllColumns()
{
    if (m_bulkLoads == 0)
        beginResetModel();
    m_columns.clear();
    if (m_bulkLoads == 0)
        endResetModel();
}

QString ReportListModel::heading(int column) const
{
    return m_columns.value(column).heading;
}

int ReportListModel::insertRow(int position, const QString &firstCell)
{
    Row row;
    row.cells.append(firstCell);
    if (m_sorted && m_bulkLoads > 0)
        position = int(m_rows.size());  // sorted once when the load ends
    else if (m_sorted)
        position = int(std::upper_bound(m_rows.cbegin(), m_rows.cend(), row, sortsBefore) - m_rows.cbegin());
    else
        position = qBound(0, position, int(m_rows.size()));
    if (m_bulkLoads == 0)
        beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, std::move(row));
    if (m_bulkLoads == 0)
        endInsertRows();
    return position;
}

bool ReportListModel::setCell(int row, int column, const QString &text)
{
    if (!isValidCell(row, column))
        return false;
    QStringList &cells = m_rows[row].cells;
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
    if (m_bulkLoads == 0)
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
    return true;
}

QString ReportListModel::cell(int row, int column) const
{
    if (!isValidCell(row, column))
        return QString();
    return m_rows.at(row).cells.value(column);
}

void ReportListModel::setCellColors(int row, int column, const QColor &text, const QColor &background)
{
    if (!isValidCell(row, column))
        return;
    QList<CellColors> &colors = m_rows[row].colors;
    auto found = std::find_if(colors.begin(), colors.end(),
                              [column](const CellColors &entry) { return entry.column == column; });
    if (found != colors.end())
        *found = CellColors{column, text, background};
    else
        colors.append(CellColors{column, text, background});
    if (m_bulkLoads == 0)
        emit dataChanged(index(row, column), index(row, column), {Qt::ForegroundRole, Qt::BackgroundRole});
}

void ReportListModel::removeAllRows()
{
    if (m_bulkLoads == 0)
        beginResetModel();
    m_rows.clear();
    if (m_bulkLoads == 0)
        endResetModel();
}

void ReportListModel::beginBulkLoad()
{
    if (m_bulkLoads++ == 0)
        beginResetModel();
}

void ReportListModel::endBulkLoad()
{
    if (--m_bulkLoads > 0)
        return;
    if (m_sorted)
        sortRows();
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !isValidCell(index.row(), index.column()))
        return QVariant();
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.cells.value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns.at(index.column()).alignment | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (const CellColors *colors = colorsOf(row, index.column()); colors && colors->text.isValid())
            return colors->text;
        return QVariant();
    case Qt::BackgroundRole:
        if (const CellColors *colors = colorsOf(row, index.column()); colors && colors->background.isValid())
            return colors->background;
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_columns.at(section).heading;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns.at(section).alignment | Qt::AlignVCenter);
    return QVariant();
}

// The order of a list view that sorts itself: by the text of the first
// cell, case aside, lower case before upper case where only case differs.
bool ReportListModel::sortsBefore(const Row &left, const Row &right)
{
    const QString a = left.cells.value(0);
    const QString b = right.cells.value(0);
    const int caseless = QString::compare(a, b, Qt::CaseInsensitive);
    if (caseless != 0)
        return caseless < 0;
    return QString::compare(a, b, Qt::CaseSensitive) > 0;
}

const ReportListModel::CellColors *ReportListModel::colorsOf(const Row &row, int column) const
{
    for (const CellColors &colors : row.colors) {
        if (colors.column == column)
            return &colors;
    }
    return nullptr;
}

bool ReportListModel::isValidCell(int row, int column) const
{
    return row >= 0 && row < m_rows.size() && column >= 0 && column < m_columns.size();
}

void ReportListModel::sortRows()
{
    // Rows mostly come in order already (serial numbers of a database
    // table); one pass tells, where sorting would compare n log n times.
    if (std::is_sorted(m_rows.cbegin(), m_rows.cend(), sortsBefore))
        return;
    // Stable, so rows with equal first cells keep the order they came in,
    // as inserting them one by one would.
    std::stable_sort(m_rows.begin(), m_rows.end(), sortsBefore);
}

} // namespace ui
