#include "common/qt/cp1252text.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252Text, QtTextConvertsAtTheFileBoundary)
{
    const QByteArray bytes("Caf\xE9 \x80 5 \x93quoted\x94");
    const QString text = common::fromCp1252(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Café € 5 “quoted”"));
    qsizetype replaced = -1;
    EXPECT_EQ(common::toCp1252(text, &replaced), bytes);
    EXPECT_EQ(replaced, 0);
}

TEST(Cp1252Text, UnencodableCharactersAreNamedOnce)
{
    const QString text = QString::fromUtf8("ok → 日本 → ✓");
    EXPECT_EQ(common::unencodableCharacters(text), QString::fromUtf8("→日本✓"));
    qsizetype replaced = 0;
    EXPECT_EQ(common::toCp1252(text, &replaced), QByteArray("ok ? ?? ? ?"));
    EXPECT_EQ(replaced, 5);
    EXPECT_TRUE(common::unencodableCharacters(QStringLiteral("plain")).isEmpty());
}

} // namespace
