#include "ui/reportlist.h"

#include <QHeaderView>

#include <gtest/gtest.h>

namespace {

QString serial(int number)
{
    return QStringLiteral("%1").arg(number, 6, 10, QLatin1Char('0'));
}

QStringList firstColumn(const ui::ReportList &list)
{
    QStringList cells;
    for (int row = 0; row < list.itemCount(); ++row)
        cells.append(list.itemText(row, 0));
    return cells;
}

class ReportListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.insertColumn(0, QStringLiteral("ｼﾘｱﾙ番号"), Qt::AlignHCenter, 60);
        list.insertColumn(1, QStringLiteral("写真ﾌｧｲﾙ名"), Qt::AlignLeft, 80);
    }

    ui::ReportList list;
};

TEST_F(ReportListTest, ABulkLoadOfAHundredThousandRowsEndsSortedWithEveryCellInItsRow)
{
    constexpr int Rows = 100000;
    list.setSortedByFirstColumn(true);
    {
        ui::ReportList::BulkLoad load(&list);
        for (int i = 0; i < Rows; ++i) {
            // Every serial once, in a scattered order (7919 is prime to Rows).
            const int number = int((qint64(i) * 7919) % Rows);
            const int row = list.insertItem(0, serial(number));
            ASSERT_TRUE(list.setItemText(row, 1, QStringLiteral("P%1.JPG").arg(number)));
            if (number % 1000 == 0)
                list.setCellColors(row, 1, Qt::red, QColor());
        }
    }
    ASSERT_EQ(list.itemCount(), Rows);
    ASSERT_EQ(list.model()->rowCount(), Rows);
    for (int row = 0; row < Rows; ++row) {
        ASSERT_EQ(list.itemText(row, 0), serial(row));
        ASSERT_EQ(list.itemText(row, 1), QStringLiteral("P%1.JPG").arg(row));
        const QVariant colour = list.model()->index(row, 1).data(Qt::ForegroundRole);
        ASSERT_EQ(colour.isValid(), row % 1000 == 0) << row;
    }
    EXPECT_EQ(list.model()->index(5000, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
}

TEST_F(ReportListTest, AppendedRowsAreSortedOnceToo)
{
    list.setSortedByFirstColumn(true);
    list.appendRows({{QStringLiteral("0103"), QStringLiteral("c")},
                     {QStringLiteral("0007"), QStringLiteral("a")},
                     {QStringLiteral("0012"), QStringLiteral("b")}});
    EXPECT_EQ(firstColumn(list), QStringList({"0007", "0012", "0103"}));
    EXPECT_EQ(list.itemText(2, 1), QStringLiteral("c"));
}

TEST_F(ReportListTest, ASortedListPlacesEachInsertedItem)
{
    list.setSortedByFirstColumn(true);
    EXPECT_EQ(list.insertItem(0, QStringLiteral("0103")), 0);
    EXPECT_EQ(list.insertItem(5, QStringLiteral("0007")), 0);
    EXPECT_EQ(list.insertItem(0, QStringLiteral("0012")), 1);
    EXPECT_EQ(firstColumn(list), QStringList({"0007", "0012", "0103"}));

    // Equal texts stay in the order they came; case matters only between
    // otherwise equal texts.
    ui::ReportList names;
    names.insertColumn(0, QStringLiteral("名前"), Qt::AlignLeft, 50);
    names.setSortedByFirstColumn(true);
    for (const char *name : {"b", "A", "a", "B", "a"}) {
        const int row = names.insertItem(0, QLatin1String(name));
        names.setItemText(row, 0, QLatin1String(name));
    }
    EXPECT_EQ(firstColumn(names), QStringList({"a", "a", "A", "b", "B"}));
}

TEST_F(ReportListTest, TurningSortingOnSortsTheRowsThere)
{
    list.insertItem(0, QStringLiteral("2"));
    list.insertItem(1, QStringLiteral("1"));
    EXPECT_EQ(firstColumn(list), QStringList({"2", "1"}));
    list.setSortedByFirstColumn(true);
    EXPECT_EQ(firstColumn(list), QStringList({"1", "2"}));
}

TEST_F(ReportListTest, AnUnsortedListKeepsThePositionsGiven)
{
    EXPECT_EQ(list.insertItem(0, QStringLiteral("b")), 0);
    EXPECT_EQ(list.insertItem(0, QStringLiteral("c")), 0);
    EXPECT_EQ(list.insertItem(99, QStringLiteral("a")), 2);
    EXPECT_EQ(firstColumn(list), QStringList({"c", "b", "a"}));
    EXPECT_FALSE(list.setItemText(3, 0, QStringLiteral("x")));
    EXPECT_FALSE(list.setItemText(0, 2, QStringLiteral("x")));
    EXPECT_EQ(list.itemText(7, 0), QString());
}

TEST_F(ReportListTest, ColumnsKeepTheirWidthsThroughBulkLoadsAndNewColumnsShiftTheCells)
{
    const QString heading = QStringLiteral("写真ﾌｧｲﾙ日本語名");
    const int width = list.textWidth(heading) + 15;
    EXPECT_GT(list.textWidth(heading), list.textWidth(QStringLiteral("写真")));
    list.insertColumn(1, heading, Qt::AlignLeft, width);
    EXPECT_EQ(list.columnCount(), 3);
    EXPECT_EQ(list.columnHeading(1), heading);
    EXPECT_EQ(list.columnHeading(2), QStringLiteral("写真ﾌｧｲﾙ名"));
    EXPECT_EQ(list.columnWidth(1), width);

    {
        ui::ReportList::BulkLoad load(&list);
        const int row = list.insertItem(0, QStringLiteral("0001"));
        list.setItemText(row, 1, QStringLiteral("日本語名"));
        list.setItemText(row, 2, QStringLiteral("P1.JPG"));
        // A column that turns up in the middle of a fill.
        list.insertColumn(3, QStringLiteral("提出頻度写真"), Qt::AlignLeft, 77);
        list.setItemText(row, 3, QStringLiteral("○"));
        list.insertColumn(1, QStringLiteral("新"), Qt::AlignLeft, 33);
    }
    EXPECT_EQ(list.columnWidth(0), 60);
    EXPECT_EQ(list.columnWidth(1), 33);
    EXPECT_EQ(list.columnWidth(2), width);
    EXPECT_EQ(list.columnWidth(3), 80);
    EXPECT_EQ(list.columnWidth(4), 77);
    EXPECT_EQ(list.itemText(0, 1), QString());
    EXPECT_EQ(list.itemText(0, 2), QStringLiteral("日本語名"));
    EXPECT_EQ(list.itemText(0, 4), QStringLiteral("○"));

    list.deleteAllItems();
    EXPECT_EQ(list.itemCount(), 0);
    EXPECT_EQ(list.columnWidth(4), 77);
    list.deleteAllColumns();
    EXPECT_EQ(list.columnCount(), 0);
}

TEST_F(ReportListTest, CellsShowTheirColumnsAlignmentAndColours)
{
    const int row = list.insertItem(0, QStringLiteral("0001"));
    list.setCellColors(row, 0, Qt::white, Qt::blue);
    const QModelIndex cell = list.model()->index(row, 0);
    EXPECT_EQ(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(cell.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::blue));
    EXPECT_FALSE(list.model()->index(row, 1).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(list.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ｼﾘｱﾙ番号"));
}

TEST_F(ReportListTest, OneRowIsSelectedAtATime)
{
    for (int i = 0; i < 3; ++i)
        list.insertItem(i, serial(i));
    EXPECT_EQ(list.selectedRow(), -1);
    list.selectRow(1);
    EXPECT_EQ(list.selectedRow(), 1);
    list.selectRow(2);
    EXPECT_EQ(list.selectedRow(), 2);
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 1);
    list.selectRow(-1);
    EXPECT_EQ(list.selectedRow(), -1);
}

} // namespace
