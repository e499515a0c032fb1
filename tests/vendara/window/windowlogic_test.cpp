#include "vendara/store/settingsstore.h"
#include "vendara/window/commanddispatcher.h"
#include "vendara/window/droppedspreadsheet.h"
#include "vendara/window/splitterrule.h"
#include "vendara/window/twips.h"
#include "vendara/window/windowlayout.h"

// Qt
#include <QFile>
#include <QMimeData>
#include <QRect>
#include <QUrl>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using namespace vendara;

TEST(SplitterRule, KeepsFiveHundredTwipsFromEitherEdge)
{
    // Window 9000 twips wide outside, 8880 inside; splitter at 4500.
    EXPECT_FALSE(SplitterRule::drag(0, 400, 8880, 9000).has_value());
    EXPECT_FALSE(SplitterRule::drag(4500, -4101, 8880, 9000).has_value()); // 399
    EXPECT_FALSE(SplitterRule::drag(4500, 3881, 8880, 9000).has_value());  // 8381 > 8380
    ASSERT_TRUE(SplitterRule::drag(4500, -4000, 8880, 9000).has_value());  // exactly 500
    ASSERT_TRUE(SplitterRule::drag(4500, 3880, 8880, 9000).has_value());   // exactly 8380

    const auto at600 = SplitterRule::drag(4500, -3900, 8880, 9000);
    ASSERT_TRUE(at600.has_value());
    EXPECT_EQ(at600->position, 600);
    EXPECT_EQ(at600->screenSplit, 7); // 6.67 %
}

TEST(SplitterRule, PercentageRoundsHalvesToEven)
{
    EXPECT_EQ(SplitterRule::drag(0, 2250, 9880, 10000)->screenSplit, 22); // 22.5
    EXPECT_EQ(SplitterRule::drag(0, 2350, 9880, 10000)->screenSplit, 24); // 23.5
    EXPECT_EQ(SplitterRule::drag(0, 2349, 9880, 10000)->screenSplit, 23);
}

TEST(Twips, FifteenToThePixelAtNinetySixDotsPerInch)
{
    const Twips screen(96);
    EXPECT_EQ(screen.toPixels(1440), 96);
    EXPECT_EQ(screen.toPixels(9000), 600);
    EXPECT_EQ(screen.fromPixels(73), 1095);
    const Twips large(144);
    EXPECT_EQ(large.toPixels(1100), 110);
    EXPECT_EQ(large.fromPixels(110), 1100);
}

class WindowLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override { QFile::remove(mSettings.fileName()); }
    void TearDown() override { QFile::remove(mSettings.fileName()); }
    void store(const char *key, const char *value)
    {
        mSettings.setValue(QStringLiteral("Settings"), QLatin1String(key), QLatin1String(value));
    }
    SettingsStore mSettings;
};

TEST_F(WindowLayoutTest, DefaultsOnFirstStart)
{
    const WindowLayout layout = WindowLayout::read(mSettings);
    EXPECT_EQ(layout.left, 1000);
    EXPECT_EQ(layout.top, 1000);
    EXPECT_EQ(layout.width, 9000);
    EXPECT_EQ(layout.height, 6500);
    EXPECT_EQ(layout.screenSplit, 50);
    EXPECT_EQ(layout.colWidth, 1100);
}

TEST_F(WindowLayoutTest, StoredValuesWithTheirOddities)
{
    store("mainleft", "1500");
    store("MainWidth", "12345.5");
    store("MainHeight", "tall"); // not a number: the default
    store("ScreenSplit", "0");   // 0 becomes 50
    store("Colwidth", "1500");
    WindowLayout layout = WindowLayout::read(mSettings);
    EXPECT_EQ(layout.left, 1500);
    EXPECT_EQ(layout.width, 12345.5);
    EXPECT_EQ(layout.height, 6500);
    EXPECT_EQ(layout.screenSplit, 50);
    EXPECT_EQ(layout.colWidth, 1500);

    layout.screenSplit = 37;
    layout.top = 450;
    layout.write(mSettings);
    EXPECT_EQ(mSettings.value(QStringLiteral("Settings"), QStringLiteral("ScreenSplit")),
              QStringLiteral("37"));
    EXPECT_EQ(mSettings.value(QStringLiteral("Settings"), QStringLiteral("MainTop")),
              QStringLiteral("450"));
    EXPECT_EQ(mSettings.value(QStringLiteral("Settings"), QStringLiteral("MainWidth")),
              QStringLiteral("12345.5"));
    EXPECT_EQ(WindowLayout::read(mSettings).screenSplit, 37);
}

TEST_F(WindowLayoutTest, FirstStartFillsTwoThirdsOfTheScreenInItsMiddle)
{
    EXPECT_FALSE(WindowLayout::isStored(mSettings));
    store("ScreenSplit", "30"); // not a place or a size: still the first start
    EXPECT_FALSE(WindowLayout::isStored(mSettings));

    // 1920 x 1080: 1568 x 882 pixels, 2/3 of the area; in twips at 96 dots per inch.
    const WindowLayout full = WindowLayout::firstStart(QRect(0, 0, 1920, 1080), Twips(96));
    EXPECT_EQ(full.width, 1568 * 15);
    EXPECT_EQ(full.height, 882 * 15);
    EXPECT_NEAR(full.width * full.height / (1920.0 * 1080 * 225), 2.0 / 3, 0.005);
    EXPECT_EQ(full.left, 176 * 15);
    EXPECT_EQ(full.top, 99 * 15);
    EXPECT_EQ(full.screenSplit, 50);
    EXPECT_EQ(full.colWidth, 1100);

    // A panel at the top and a second screen's offset: centred in the free area.
    const WindowLayout panel = WindowLayout::firstStart(QRect(1280, 32, 1366, 736), Twips(120));
    const Twips t(120);
    EXPECT_EQ(t.toPixels(panel.width), 1115);
    EXPECT_EQ(t.toPixels(panel.height), 601);
    EXPECT_EQ(t.toPixels(panel.left), 1280 + 125);
    EXPECT_EQ(t.toPixels(panel.top), 32 + 67);

    // What the window stores at its first close is a stored layout from then on.
    full.write(mSettings);
    EXPECT_TRUE(WindowLayout::isStored(mSettings));
    const WindowLayout again = WindowLayout::read(mSettings);
    EXPECT_EQ(again.width, full.width);
    EXPECT_EQ(again.left, full.left);
}

TEST(DroppedSpreadsheet, OneLocalSpreadsheetFileAndNothingElse)
{
    const auto dropped = [](QList<QUrl> urls) {
        QMimeData data;
        data.setUrls(urls);
        return DroppedSpreadsheet::path(&data);
    };
    for (const char *name : {"/d/a.xls", "/d/a.XLSX", "/d/Price List.ods", "/d/a.csv", "/d/a.Txt"})
        EXPECT_EQ(dropped({QUrl::fromLocalFile(QLatin1String(name))}), QLatin1String(name));
    EXPECT_EQ(dropped({QUrl::fromLocalFile("/d/a.pdf")}), QString());
    EXPECT_EQ(dropped({QUrl::fromLocalFile("/d/xls")}), QString());
    EXPECT_EQ(dropped({QUrl("https://example.com/a.xls")}), QString());
    EXPECT_EQ(dropped({QUrl::fromLocalFile("/d/a.xls"), QUrl::fromLocalFile("/d/b.xls")}),
              QString());
    QMimeData text;
    text.setText(QStringLiteral("/d/a.xls"));
    EXPECT_EQ(DroppedSpreadsheet::path(&text), QString());
    EXPECT_EQ(DroppedSpreadsheet::path(nullptr), QString());
}

TEST(CommandDispatcher, RunsTheCommandOfAKeyAndNothingForOthers)
{
    CommandDispatcher commands;
    QSignalSpy added(&commands, &CommandDispatcher::added);
    int runs = 0;
    commands.add(QStringLiteral("Find"), [&] { ++runs; });
    EXPECT_TRUE(commands.has(QStringLiteral("Find")));
    EXPECT_TRUE(commands.dispatch(QStringLiteral("Find")));
    EXPECT_FALSE(commands.dispatch(QStringLiteral("find")));
    EXPECT_FALSE(commands.dispatch(QStringLiteral("Unknown")));
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added[0][0].toString(), QStringLiteral("Find"));
}

} // namespace
