#include "dorvane/frontend/bracedvalue.h"

#include <gtest/gtest.h>

namespace {

using dorvane::CollectBracedValue;

TEST(BracedValue, OneArgumentOrSeveralJoinedWithSingleBlanks)
{
    QString value;
    const QStringList quoted = {QStringLiteral("PDB:INFILE:{C:\\My  Files\\a.csv}x"),
                                QStringLiteral("next")};
    EXPECT_EQ(CollectBracedValue(quoted, 0, value), 0);
    EXPECT_EQ(value, QStringLiteral("C:\\My  Files\\a.csv"));

    // As the shell splits an unquoted value: runs of blanks are gone and come back as one.
    const QStringList split = {QStringLiteral("COMMAND:TOPDB"),
                               QStringLiteral("PDB:INFILE:{C:\\My"), QStringLiteral("Files"),
                               QStringLiteral("x\\a.csv}tail"), QStringLiteral("PDB:FIELDNAMES")};
    EXPECT_EQ(CollectBracedValue(split, 1, value), 3);
    EXPECT_EQ(value, QStringLiteral("C:\\My Files x\\a.csv"));

    const QStringList empty = {QStringLiteral("PDB:DBNAME:{}")};
    EXPECT_EQ(CollectBracedValue(empty, 0, value), 0);
    EXPECT_EQ(value, QString());
}

TEST(BracedValue, WithoutClosingBraceEverythingLeftIsTheValue)
{
    QString value = QStringLiteral("earlier value");
    const QStringList args = {QStringLiteral("PDB:OUTFILE:{/tmp/a"), QStringLiteral("b.pdb"),
                              QStringLiteral("PDB:FIELDNAMES")};
    EXPECT_EQ(CollectBracedValue(args, 0, value), 2);
    EXPECT_EQ(value, QStringLiteral("/tmp/a b.pdb PDB:FIELDNAMES"));
}

} // namespace
