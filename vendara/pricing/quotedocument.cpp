#include "quotedocument.h"

#include "amounts.h"
#include "quotecolumns.h"

#include "vendara/store/numberforms.h"
#include "vendara/store/settingsstore.h"

namespace vendara {

namespace {

const QString kFont = QStringLiteral("Times New Roman");
constexpr TextStyle kRegular{false, 10};
constexpr TextStyle kBold{true, 10};
constexpr TextStyle kHeading{true, 12};
const QString kNoIncludesSection = QStringLiteral("Settings");
const QString kNoIncludesKey = QStringLiteral("NoIncludes");

} // namespace

QString QuoteDocument::figures(const QuoteList &quote, int line)
{
    const Table &table = quote.table();
    const Cell &priceCell = table.cell(line, quote::Price);
    const Cell &listCell = table.cell(line, quote::ListPrice);
    const QString quantity = table.cell(line, quote::Quantity).toText();
    const QString extended = Amounts::currency(table.cell(line, quote::ExtPrice));
    const auto price = Amounts::read(priceCell);
    const auto list = Amounts::read(listCell);
    // The list price is kept in single precision and the price in double, so they are
    // compared to the cent; without a list price there is no percentage to show.
    const bool atListPrice = !price || !list || Amounts::cents(*list) == 0
                             || Amounts::cents(*price) == Amounts::cents(*list);
    if (atListPrice) {
        return QStringLiteral("Quantity %1\t\tPrice %2\t\t\tExtended Price  %3")
            .arg(quantity, Amounts::currency(priceCell), extended);
    }
    const float discount = float((*list - *price) / *list);
    return QStringLiteral("Quantity %1\tList: %2\tPrice: %3\tDiscount: %4\tExt.: %5")
        .arg(quantity, NumberForms::currency(*list), NumberForms::currency(*price),
             NumberForms::percent(discount), extended);
}

RichDocument QuoteDocument::build(const QuoteList &quote, const QString &heading,
                                  const QString &closing, bool noIncludes)
{
    const Table &table = quote.table();
    RichDocument document(kFont);
    document.append(heading, kHeading);
    document.append(QStringLiteral("\n\n"), kRegular);
    for (int k = 1; k <= quote.lineCount(); ++k) {
        document.append(table.cell(k, quote::PartNumber).toText() + QStringLiteral(" \t")
                            + table.cell(k, quote::ProductName).toText() + QLatin1Char('\n'),
                        kBold);
        document.append(figures(quote, k) + QLatin1Char('\n'), kRegular);
        if (!noIncludes)
            document.append(table.cell(k, quote::Includes).toText() + QLatin1Char('\n'), kRegular);
        document.append(QStringLiteral("\n"), kRegular);
    }
    document.append(QStringLiteral("\n"), kRegular);
    if (NumberForms::readNumber(quote.discountText()).value_or(0.0) > 0.0)
        document.append(
            QStringLiteral("Discount Amount = ") + quote.discountText() + QLatin1Char('\n'), kBold);
    document.append(QStringLiteral("\n"), kBold);
    document.append(QStringLiteral("Order Total = ") + quote.totalText() + QStringLiteral("\n\n"),
                    kBold);
    document.append(closing, kBold);
    return document;
}

std::optional<RichDocument> QuoteDocument::TEXTRTF(const QuoteList &quote, const QuoteNotes &notes,
                                                   const SettingsStore &settings)
{
    const std::optional<QString> closing = notes.closing();
    if (!closing)
        return std::nullopt;
    const std::optional<QString> heading = notes.heading();
    if (!heading)
        return std::nullopt;
    return build(quote, *heading, *closing, noIncludes(settings));
}

bool QuoteDocument::noIncludes(const SettingsStore &settings)
{
    // A value edited by hand may carry blanks around the "1".
    return settings.value(kNoIncludesSection, kNoIncludesKey, QStringLiteral("0")).trimmed()
           == QLatin1String("1");
}

void QuoteDocument::setNoIncludes(SettingsStore &settings, bool noIncludes)
{
    settings.setValue(kNoIncludesSection, kNoIncludesKey,
                      noIncludes ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace vendara
