#pragma once

#include <QColor>
#include <QTableView>

namespace ui {

class ReportListModel;

// A report-style list (list view in report mode) over a model, so that
// lists of 100 000 rows stay fast. Optionally sorted ascending by its
// first column, as a list created with the sort style keeps itself.
class ReportList : public QTableView
{
    Q_OBJECT

public:
    explicit ReportList(QWidget *parent = nullptr);
    ~ReportList() override;

    void setSortedByFirstColumn(bool sorted);

    // Columns. The width follows the heading's text unless given.
    void insertColumn(int position, const QString &heading,
                      Qt::Alignment alignment = Qt::AlignLeft, int width = -1);
    void deleteAllColumns();
    int columnCount() const;
    QString columnHeading(int column) const;
    // Pixel width of a text in the list's font (GetStringWidth).
    int textWidth(const QString &text) const;

    // Rows. insertItem returns the row the item landed at (its final place
    // in a sorted list is fixed when the list is next shown or read).
    int insertItem(const QString &firstCell);
    void setItemText(int row, int column, const QString &text);
    QString itemText(int row, int column) const;
    int itemCount() const;
    void deleteAllItems();
    // Rows added in bulk (row count, cells row by row) in one model update.
    void appendRows(const QList<QStringList> &rows);

    void setCellColors(int row, int column, const QColor &text, const QColor &background);

private:
    ReportListModel *m_model;
};

} // namespace ui
