#include "common/prompt/filefilter.h"

#include <gtest/gtest.h>

namespace {

TEST(FileFilter, CommonDialogPairsBecomeQtNameFilters)
{
    const QStringList filters = prompt::qtNameFilters(
        QStringLiteral("All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Excel Files (*.xls)|*.xls"));
    EXPECT_EQ(filters,
              (QStringList{QStringLiteral("All Files (*)"), QStringLiteral("Text Files (*.txt)"),
                           QStringLiteral("Excel Files (*.xls)")}));
}

TEST(FileFilter, SeveralPatternsAndADanglingDescription)
{
    const auto pairs = prompt::parseFileFilter(QStringLiteral("Books|*.pdb;*.prc|Dangling"));
    ASSERT_EQ(pairs.size(), 1);
    EXPECT_EQ(pairs[0].patterns, (QStringList{QStringLiteral("*.pdb"), QStringLiteral("*.prc")}));
    EXPECT_EQ(prompt::qtNameFilters(QStringLiteral("Books|*.pdb;*.prc")),
              QStringList{QStringLiteral("Books (*.pdb *.prc)")});
}

} // namespace
