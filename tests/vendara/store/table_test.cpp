#include "vendara/store/productorder.h"
#include "vendara/store/table.h"
#include "vendara/store/tablemodel.h"

// Qt
#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using namespace vendara;

QStringList column(const Table &table, int c)
{
    QStringList texts;
    for (int r = 1; r <= table.rows(); ++r)
        texts << table.cell(r, c).toText();
    return texts;
}

void fill(Table &table, const QStringList &keys)
{
    table.setBounds(int(keys.size()), 2);
    for (int r = 1; r <= keys.size(); ++r) {
        table.setCell(r, 1, Cell(keys[r - 1]));
        table.setCell(r, 2, Cell(float(r)));
    }
}

TEST(Table, BoundsRowsAndCells)
{
    Table table(2, 3);
    table.setCell(1, 1, Cell(QStringLiteral("a")));
    table.setCell(2, 3, Cell(2.5f));
    table.setCell(3, 1, Cell(QStringLiteral("outside"))); // ignored
    EXPECT_TRUE(table.cell(3, 1).isNull());
    EXPECT_TRUE(table.cell(0, 0).isNull());

    table.setBounds(4, 5); // content kept, new cells empty
    EXPECT_EQ(table.cell(1, 1).text(), QStringLiteral("a"));
    EXPECT_EQ(table.cell(2, 3).number(), 2.5f);
    EXPECT_TRUE(table.cell(4, 5).isEmpty());
    table.setBounds(1, 1);
    EXPECT_EQ(table.rows(), 1);
    EXPECT_EQ(table.cell(1, 1).text(), QStringLiteral("a"));
    EXPECT_TRUE(table.cell(2, 3).isNull());

    fill(table, {QStringLiteral("x"), QStringLiteral("y")});
    table.insertRow(1);
    table.insertRow(table.rows() + 1);
    EXPECT_EQ(column(table, 1), QStringList({"", "x", "y", ""}));
    table.deleteRow(2);
    EXPECT_EQ(column(table, 1), QStringList({"", "y", ""}));
    table.clear();
    EXPECT_EQ(table.rows(), 3);
    EXPECT_EQ(column(table, 1), QStringList({"", "", ""}));

    EXPECT_TRUE(Cell(QString()).isEmpty());
    EXPECT_TRUE(Cell().isEmpty());
    EXPECT_FALSE(Cell(0.0f).isEmpty());
}

TEST(Table, SortAndFindUseTheProductRule)
{
    Table table;
    fill(table, {"b-10", "B-2", "", "a-1", "b-10", "C", "A-1"});
    table.sortRows(2, 6, 1, ProductOrder::compare); // a range only
    EXPECT_EQ(column(table, 1), QStringList({"b-10", "", "a-1", "b-10", "B-2", "C", "A-1"}));
    // Whole rows move with their key; equal keys keep their order.
    EXPECT_EQ(column(table, 2), QStringList({"1", "3", "4", "5", "2", "6", "7"}));
    table.sortRows(1, table.rows(), 1, ProductOrder::compare);
    EXPECT_EQ(column(table, 1), QStringList({"", "a-1", "A-1", "b-10", "b-10", "B-2", "C"}));

    EXPECT_EQ(table.find(1, 1, Cell(QStringLiteral("B-10")), ProductOrder::compare), 4);
    EXPECT_EQ(table.find(5, 1, Cell(QStringLiteral("B-10")), ProductOrder::compare), 5);
    EXPECT_EQ(table.find(6, 1, Cell(QStringLiteral("B-10")), ProductOrder::compare), 0);
    // A number compares by the text it is written as.
    EXPECT_EQ(table.find(1, 2, Cell(QStringLiteral("5")), ProductOrder::compare), 5);
    EXPECT_LT(ProductOrder::compare(Cell(100.0f), Cell(QStringLiteral("12.5"))), 0);
}

TEST(TableModel, FollowsTheTableThroughEveryChange)
{
    Table table;
    TableModel model(table, {{1, QStringLiteral("Part Number")},
                             {3, QStringLiteral("Price"), CellFormat::Currency},
                             {2, QStringLiteral("Qty"), CellFormat::Quantity, false}});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(table, {"b", "a", "c"});
    table.setBounds(3, 3);
    table.setCell(1, 3, Cell(QStringLiteral("$1,234.5")));
    table.setCell(2, 3, Cell(9.5f));
    table.setCell(3, 3, Cell(QStringLiteral("call us")));
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole), QStringLiteral("Price"));
    EXPECT_EQ(model.index(0, 1).data(), QStringLiteral("$1,234.50"));
    EXPECT_EQ(model.index(1, 1).data(), QStringLiteral("$9.50"));
    EXPECT_EQ(model.index(2, 1).data(), QStringLiteral("call us"));
    EXPECT_EQ(model.index(2, 2).data(), QStringLiteral("3"));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    table.setCell(2, 1, Cell(QStringLiteral("z")));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 0));

    table.insertRow(1);
    table.setCell(1, 1, Cell(QStringLiteral("line\r\nbreak")));
    EXPECT_EQ(model.index(0, 0).data(), QStringLiteral("line break"));
    EXPECT_EQ(model.index(0, 0).data(Qt::EditRole), QStringLiteral("line\r\nbreak"));
    table.sortRows(1, table.rows(), 1, ProductOrder::compare);
    table.deleteRow(2);
    table.clear();
    table.setBounds(0, 3);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(TableModel, LockedColumnsRefuseEdits)
{
    Table table(1, 2);
    TableModel model(table, {{1, QStringLiteral("Part Number")}, {2, QStringLiteral("Name")}});
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("A-1"), Qt::EditRole));
    model.setLocked(0, false);
    EXPECT_TRUE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(model.setData(model.index(0, 0), QStringLiteral("A\x7F-1"), Qt::EditRole));
    EXPECT_EQ(table.cell(1, 1).text(), QStringLiteral("A-1"));
    EXPECT_TRUE(table.cell(1, 1).isText());
}

} // namespace
