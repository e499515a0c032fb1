#include "handheldcsv.h"

#include "exchangetexts.h"
#include "exportfile.h"

#include "vendara/pricing/pricepoints.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/table.h"

// Qt
#include <QStringList>

namespace vendara {

QString HandheldCsv::commaCleaned(const QString &text)
{
    if (!text.contains(QLatin1Char(',')))
        return text;
    QString cleaned = text;
    cleaned.replace(QLatin1Char(','), QLatin1Char(' '));
    cleaned.replace(QLatin1Char('"'), QLatin1Char(' '));
    return cleaned;
}

QString HandheldCsv::enclosed(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString HandheldCsv::bare(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return enclosed(text);
    }
    return text;
}

QString HandheldCsv::line(const Table &products, int row)
{
    const QStringList values{
        QStringLiteral("0"),
        bare(commaCleaned(products.cell(row, product::PartNumber).toText())),
        bare(commaCleaned(products.cell(row, product::ProductName).toText())),
        enclosed(ExportFile::priceText(products.cell(row, product::Price))),
        enclosed(commaCleaned(products.cell(row, product::Includes).toText())),
        enclosed(commaCleaned(products.cell(row, product::Notes).toText())),
        bare(PricePoints::creatdiscs(products, row)),
    };
    return values.join(QLatin1Char(','));
}

QString HandheldCsv::text(const Table &products, const QList<int> &rows)
{
    QString text = texts::handheldCsvHeading() + QLatin1String("\r\n");
    for (const int row : rows) {
        if (products.cell(row, product::PartNumber).isEmpty())
            continue;
        text += line(products, row) + QLatin1String("\r\n");
    }
    return text;
}

} // namespace vendara
