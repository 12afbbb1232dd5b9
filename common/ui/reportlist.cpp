#include "reportlist.h"

#include "reportlistmodel.h"

#include <QFontMetrics>
#include <QHeaderView>

namespace ui {

ReportList::BulkLoad::BulkLoad(ReportList *list)
    : m_list(list)
{
    m_list->m_model->beginBulkLoad();
}

ReportList::BulkLoad::~BulkLoad()
{
    m_list->m_model->endBulkLoad();
}

ReportList::ReportList(QWidget *parent)
    : QTreeView(parent)
    , m_model(new ReportListModel(this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &ReportList::rememberColumnWidths);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ReportList::restoreColumnWidths);
}

ReportList::~ReportList() = default;

void ReportList::setSortedByFirstColumn(bool sorted)
{
    m_model->setSortedByFirstColumn(sorted);
}

bool ReportList::isSortedByFirstColumn() const
{
    return m_model->isSortedByFirstColumn();
}

void ReportList::insertColumn(int position, const QString &heading, Qt::Alignment alignment, int width)
{
    position = qBound(0, position, m_model->columnCount());
    m_model->insertColumn(position, heading, alignment);
    m_columnWidths.insert(position, width);
    // During a bulk load the header learns of the column at the end.
    if (!m_model->isBulkLoading())
        header()->resizeSection(position, width);
}

void ReportList::insertHeadingColumn(int position, const QString &heading,
                                     Qt::Alignment alignment, int margin)
{
    insertColumn(position, heading, alignment, textWidth(heading) + margin);
}

void ReportList::deleteAllColumns()
{
    m_model->removeAllColumns();
    m_columnWidths.clear();
}

int ReportList::columnCount() const
{
    return m_model->columnCount();
}

QString ReportList::columnHeading(int column) const
{
    return m_model->heading(column);
}

int ReportList::textWidth(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text);
}

int ReportList::insertItem(int row, const QString &firstCell)
{
    return m_model->insertRow(row, firstCell);
}

void ReportList::appendRows(const QList<QStringList> &rows)
{
    BulkLoad load(this);
    for (const QStringList &cells : rows) {
        const int row = m_model->insertRow(m_model->rowCount(), cells.value(0));
        for (int column = 1; column < cells.size(); ++column)
            m_model->setCell(row, column, cells.at(column));
    }
}

bool ReportList::setItemText(int row, int column, const QString &text)
{
    return m_model->setCell(row, column, text);
}

QString ReportList::itemText(int row, int column) const
{
    return m_model->cell(row, column);
}

int ReportList::itemCount() const
{
    return m_model->rowCount();
}

void ReportList::deleteAllItems()
{
    m_model->removeAllRows();
}

void ReportList::setCellColors(int row, int column, const QColor &text, const QColor &background)
{
    m_model->setCellColors(row, column, text, background);
}

int ReportList::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void ReportList::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ReportList::rememberColumnWidths()
{
    const int known = qMin(header()->count(), int(m_columnWidths.size()));
    for (int column = 0; column < known; ++column)
        m_columnWidths[column] = header()->sectionSize(column);
}

void ReportList::restoreColumnWidths()
{
    const int known = qMin(header()->count(), int(m_columnWidths.size()));
    for (int column = 0; column < known; ++column)
        header()->resizeSection(column, m_columnWidths.at(column));
}

} // namespace ui
