#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>

namespace ui {

// The rows and columns behind a ReportList: texts per cell, colours per
// cell, optionally kept sorted by the first cell. Rows added between
// beginBulkLoad() and endBulkLoad() go in without any model signal and are
// sorted once at the end, in one model reset.
class ReportListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportListModel(QObject *parent = nullptr);

    void setSortedByFirstColumn(bool sorted);
    bool isSortedByFirstColumn() const { return m_sorted; }

    void insertColumn(int position, const QString &heading, Qt::Alignment alignment);
    // The rows keep their texts, as list view items keep theirs.
    void removeAllColumns();
    QString heading(int column) const;

    // Inserts a row at position (a sorted list chooses the place itself:
    // after the rows whose first cell sorts before or equal). Returns the
    // row's index; during a bulk load that index holds until the load ends.
    int insertRow(int position, const QString &firstCell);
    bool setCell(int row, int column, const QString &text);
    QString cell(int row, int column) const;
    void setCellColors(int row, int column, const QColor &text, const QColor &background);
    void removeAllRows();

    void beginBulkLoad();
    void endBulkLoad();
    bool isBulkLoading() const { return m_bulkLoads > 0; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Column
    {
        QString heading;
        Qt::Alignment alignment;
    };
    struct CellColors
    {
        int column;
        QColor text;
        QColor background;
    };
    struct Row
    {
        QStringList cells;
        QList<CellColors> colors;  // only the cells that have their own
    };

    static bool sortsBefore(const Row &left, const Row &right);
    const CellColors *colorsOf(const Row &row, int column) const;
    bool isValidCell(int row, int column) const;
    void sortRows();

    QList<Column> m_columns;
    QList<Row> m_rows;
    bool m_sorted = false;
    int m_bulkLoads = 0;
};

} // namespace ui
