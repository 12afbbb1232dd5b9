#pragma once

#include <QColor>
#include <QTreeView>

namespace ui {

class ReportListModel;

// A list view in report mode (columns with headings, one row per item,
// single selection of whole rows) over a model, so that lists of 100 000
// rows stay fast. Optionally sorted ascending by its first column, as a
// list created with the sort style keeps itself.
//
// Large fills go through a BulkLoad: rows go in without view updates and
// a sorted list sorts once at the end.
//     {
//         ui::ReportList::BulkLoad load(list);
//         for (...) {
//             const int row = list->insertItem(list->itemCount(), serial);
//             list->setItemText(row, 1, name);
//         }
//     }
class ReportList : public QTreeView
{
    Q_OBJECT

public:
    explicit ReportList(QWidget *parent = nullptr);
    ~ReportList() override;

    // While it lives, row indexes returned by insertItem stay valid and the
    // view is not updated; at its end a sorted list takes its order.
    class BulkLoad
    {
    public:
        explicit BulkLoad(ReportList *list);
        ~BulkLoad();
        Q_DISABLE_COPY_MOVE(BulkLoad)

    private:
        ReportList *m_list;
    };

    void setSortedByFirstColumn(bool sorted);
    bool isSortedByFirstColumn() const;

    // Columns: heading, alignment of heading and cells, width in pixels.
    void insertColumn(int position, const QString &heading, Qt::Alignment alignment, int width);
    // A column as wide as its heading's text plus the margin.
    void insertHeadingColumn(int position, const QString &heading, Qt::Alignment alignment,
                             int margin);
    void deleteAllColumns();
    int columnCount() const;
    QString columnHeading(int column) const;
    // Pixel width of a text in the list's font (GetStringWidth).
    int textWidth(const QString &text) const;

    // Inserts an item with its first cell at row (the end when beyond it;
    // a sorted list chooses the place) and returns the row it landed at.
    int insertItem(int row, const QString &firstCell);
    // Appends rows of cells (the first cell of each is the item) in one
    // model update, sorted once when the list is sorted.
    void appendRows(const QList<QStringList> &rows);
    // False for a row or column that does not exist.
    bool setItemText(int row, int column, const QString &text);
    QString itemText(int row, int column) const;
    int itemCount() const;
    void deleteAllItems();

    // An invalid colour keeps the list's own.
    void setCellColors(int row, int column, const QColor &text, const QColor &background);

    // The selected row, -1 for none.
    int selectedRow() const;
    void selectRow(int row);

private:
    // A model reset sets the header's sections back to their default size;
    // the widths given (or dragged by the user) are kept across it.
    void rememberColumnWidths();
    void restoreColumnWidths();

    ReportListModel *m_model;
    QList<int> m_columnWidths;
};

} // namespace ui
