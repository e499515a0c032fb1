#include "documentpages.h"

#include "printingtexts.h"
#include "textdocumentwriter.h"

// Qt
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

// std
#include <cmath>

namespace vendara {

namespace {

constexpr double kFooterPoints = 9;
// Between the text and the footer.
constexpr double kFooterGapPoints = 14;
constexpr double kMarginMillimetres = 20;

// Lines between two empty lines belong together (a product's name, figures and includes):
// such a group that would run over the end of a page starts on the next one, unless it is
// longer than a page.
void keepGroupsTogether(QTextDocument &text, double pageHeight)
{
    QAbstractTextDocumentLayout *layout = text.documentLayout();
    (void)layout->documentSize(); // the whole document laid out before positions are read
    const double slack = 0.5;
    for (QTextBlock block = text.begin(); block.isValid();) {
        if (block.text().isEmpty()) {
            block = block.next();
            continue;
        }
        QTextBlock last = block;
        while (last.next().isValid() && !last.next().text().isEmpty())
            last = last.next();
        const double top = layout->blockBoundingRect(block).top();
        const double bottom = layout->blockBoundingRect(last).bottom();
        const bool crosses = int(top / pageHeight) != int((bottom - slack) / pageHeight);
        if (crosses && bottom - top <= pageHeight) {
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
        }
        block = last.next();
    }
}

} // namespace

DocumentPages::DocumentPages(RichDocument document)
    : mDocument(std::move(document))
{}

void DocumentPages::setUpPage(QPagedPaintDevice &device)
{
    const bool inches = QLocale().measurementSystem() != QLocale::MetricSystem;
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                            kMarginMillimetres);
    device.setPageLayout(QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, margins, QPageLayout::Millimeter));
}

int DocumentPages::print(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const double point = device.logicalDpiY() / 72.0;
    const std::unique_ptr<QTextDocument> text = TextDocumentWriter::write(mDocument);
    QAbstractTextDocumentLayout *layout = text->documentLayout();
    layout->setPaintDevice(&device);

    const QFont footerFont = TextDocumentWriter::font(mDocument.fontFamily(), kFooterPoints);
    const double footerHeight = QFontMetricsF(footerFont, &device).height();
    const QRectF page(0, 0, device.width(), device.height());
    // In whole device units, as the layout counts: a page boundary between two of its units
    // would let the first line of a page show at the foot of the one before.
    const double bodyHeight =
        std::floor(std::max(page.height() - footerHeight - kFooterGapPoints * point, 10 * point));
    text->setPageSize(QSizeF(page.width(), bodyHeight));
    keepGroupsTogether(*text, bodyHeight);
    // The layout works in steps as it is asked for positions; the page count is only right
    // once it has laid out the whole document, which asking for its size makes it do.
    (void)layout->documentSize();
    const int pages = std::max(1, text->pageCount());

    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !device.newPage())
            break;
        painter.save();
        const QRectF view(0, index * bodyHeight, page.width(), bodyHeight);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout draws a line that starts exactly at the clip's foot; it belongs to the
        // next page.
        context.clip = view.adjusted(0, 0, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(QColor(80, 80, 80));
        painter.drawText(QRectF(0, page.bottom() - footerHeight, page.width(), footerHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter, texts::pageOfPages(index + 1, pages));
    }
    return painter.end() ? pages : 0;
}

} // namespace vendara
