#include "pricelistprinter.h"

#include "pagesections.h"

// Qt
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>

// std
#include <algorithm>
#include <array>

namespace vendara {

namespace {

constexpr int kColumns = 3;

// Cells wrap between words, and inside a word only when it is longer than the column.
QTextOption cellOption(int column)
{
    QTextOption option(Qt::AlignTop | (column == 2 ? Qt::AlignRight : Qt::AlignLeft));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

QFont font(double points, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

class Pages
{
public:
    Pages(QPainter &painter, QPagedPaintDevice &device, QString header, QString footer)
        : mPainter(painter)
        , mDevice(device)
        , mHeader(std::move(header))
        , mFooter(std::move(footer))
        , mPoint(device.logicalDpiY() / 72.0)
        , mArea(0, 0, device.width(), device.height())
        , mTitleFont(font(14, true, true))
        , mHeadingFont(font(10, true))
        , mBodyFont(font(10))
        , mFooterFont(font(9))
        , mPad(4 * mPoint)
    {}

    void setColumns(const std::array<double, kColumns> &widths) { mWidths = widths; }
    [[nodiscard]] double pad() const { return mPad; }
    [[nodiscard]] const QFont &bodyFont() const { return mBodyFont; }
    [[nodiscard]] const QFont &headingFont() const { return mHeadingFont; }
    [[nodiscard]] const QRectF &area() const { return mArea; }
    [[nodiscard]] int pages() const { return mPage; }

    void beginPage()
    {
        if (mPage > 0)
            mDevice.newPage();
        ++mPage;
        mY = mArea.top();
        mPainter.setFont(mTitleFont);
        const double titleHeight = QFontMetricsF(mTitleFont, &mDevice).height();
        mPainter.drawText(QRectF(mArea.left(), mY, mArea.width(), titleHeight),
                          Qt::AlignHCenter | Qt::AlignVCenter, mHeader);
        mY += titleHeight + 8 * mPoint;

        // The column headings repeat on every page.
        const double height = QFontMetricsF(mHeadingFont, &mDevice).height() + 2 * mPad;
        mPainter.fillRect(QRectF(mArea.left(), mY, mArea.width(), height), QColor(226, 232, 240));
        mPainter.setFont(mHeadingFont);
        drawCells(PriceList::columnCaptions(), height);
        mY += height;
        line(1.0);
    }

    // Room for a row of `height` on this page?
    [[nodiscard]] bool fits(double height) const { return mY + height <= footerTop(); }
    [[nodiscard]] bool pageIsEmpty() const { return mRowsOnPage == 0; }

    void row(const QStringList &cells, double height)
    {
        mPainter.setFont(mBodyFont);
        mPainter.save();
        mPainter.setClipRect(
            QRectF(mArea.left(), mY, mArea.width(), std::min(height, footerTop() - mY)));
        drawCells(cells, height);
        mPainter.restore();
        mY += std::min(height, footerTop() - mY);
        line(0.5);
        ++mRowsOnPage;
    }

    void endPage()
    {
        const PageSections sections = PageSections::expand(mFooter, mPage);
        mPainter.setFont(mFooterFont);
        const double height = QFontMetricsF(mFooterFont, &mDevice).height();
        const QRectF band(mArea.left(), mArea.bottom() - height, mArea.width(), height);
        mPainter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, sections.left);
        mPainter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, sections.centre);
        mPainter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, sections.right);
        mRowsOnPage = 0;
    }

private:
    [[nodiscard]] double footerTop() const
    {
        return mArea.bottom() - QFontMetricsF(mFooterFont, &mDevice).height() - 10 * mPoint;
    }

    void drawCells(const QStringList &cells, double height)
    {
        double x = mArea.left();
        for (int column = 0; column < kColumns; ++column) {
            const QRectF cell(x + mPad, mY + mPad, mWidths[column] - 2 * mPad, height - 2 * mPad);
            mPainter.drawText(cell, cells[column], cellOption(column));
            x += mWidths[column];
        }
    }

    void line(double points)
    {
        mPainter.save();
        mPainter.setPen(QPen(QColor(150, 150, 150), points * mPoint));
        mPainter.drawLine(QPointF(mArea.left(), mY), QPointF(mArea.right(), mY));
        mPainter.restore();
    }

    QPainter &mPainter;
    QPagedPaintDevice &mDevice;
    QString mHeader;
    QString mFooter;
    double mPoint;
    QRectF mArea;
    QFont mTitleFont;
    QFont mHeadingFont;
    QFont mBodyFont;
    QFont mFooterFont;
    double mPad;
    std::array<double, kColumns> mWidths{};
    double mY = 0;
    int mPage = 0;
    int mRowsOnPage = 0;
};

} // namespace

PriceListPrinter::PriceListPrinter(QList<PriceListRow> rows, QString header, QString footer)
    : mRows(std::move(rows))
    , mHeader(std::move(header))
    , mFooter(std::move(footer))
{}

int PriceListPrinter::print(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    Pages pages(painter, device, mHeader, mFooter);
    // Texts are measured as the painter lays them out, so that a text measured to fit never
    // wraps.
    const auto advance = [&](const QFont &font, const QString &text) {
        painter.setFont(font);
        return painter.boundingRect(QRectF(0, 0, 1e9, 1e9), text, QTextOption()).width();
    };
    painter.setFont(pages.bodyFont());
    const QFontMetricsF body(painter.fontMetrics());
    const double width = pages.area().width();
    const double pad = pages.pad();

    // Part numbers and prices as wide as their longest text (within limits); the product
    // name gets the rest.
    const QStringList captions = PriceList::columnCaptions();
    double partWidth = advance(pages.headingFont(), captions[0]);
    double priceWidth = advance(pages.headingFont(), captions[2]);
    for (const PriceListRow &row : mRows) {
        partWidth = std::max(partWidth, advance(pages.bodyFont(), row.partNumber));
        priceWidth = std::max(priceWidth, advance(pages.bodyFont(), row.price));
    }
    // A point more than the text so that rounding never wraps a text that fits.
    const double slack = pad / 4;
    partWidth = std::min(partWidth + 2 * pad + slack, width * 0.3);
    priceWidth = std::min(priceWidth + 2 * pad + slack, width * 0.25);
    pages.setColumns({partWidth, width - partWidth - priceWidth, priceWidth});
    const std::array<double, kColumns> textWidths = {
        partWidth - 2 * pad, width - partWidth - priceWidth - 2 * pad, priceWidth - 2 * pad};

    pages.beginPage();
    for (const PriceListRow &row : mRows) {
        const QStringList cells = {row.partNumber, row.productName, row.price};
        double height = body.height();
        for (int column = 0; column < kColumns; ++column) {
            painter.setFont(pages.bodyFont());
            const QRectF needed =
                painter.boundingRect(QRectF(0, 0, std::max(1.0, textWidths[column]), 1e9),
                                     cells[column], cellOption(column));
            height = std::max(height, needed.height());
        }
        height += 2 * pad;
        // A row taller than a whole page is cut at the page's end rather than never printed.
        if (!pages.fits(height) && !pages.pageIsEmpty()) {
            pages.endPage();
            pages.beginPage();
        }
        pages.row(cells, height);
    }
    pages.endPage();
    const int printed = pages.pages();
    return painter.end() ? printed : 0;
}

} // namespace vendara
