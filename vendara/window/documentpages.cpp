#include "documentpages.h"

#include "printingtexts.h"
#include "textdocumentwriter.h"

// Qt
#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace vendara {

namespace {

constexpr double kFooterPoints = 9;
// Between the text and the footer.
constexpr double kFooterGapPoints = 14;
constexpr double kMarginMillimetres = 20;

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
    const double bodyHeight =
        std::max(page.height() - footerHeight - kFooterGapPoints * point, 10 * point);
    text->setPageSize(QSizeF(page.width(), bodyHeight));
    const int pages = std::max(1, text->pageCount());

    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !device.newPage())
            break;
        painter.save();
        const QRectF view(0, index * bodyHeight, page.width(), bodyHeight);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
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
