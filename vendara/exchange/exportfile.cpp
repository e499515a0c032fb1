#include "exportfile.h"

#include "exchangetexts.h"

#include "common/core/safefile.h"
#include "common/qt/cp1252text.h"
#include "vendara/store/linebreaks.h"
#include "vendara/store/numberforms.h"
#include "vendara/store/productcolumns.h"

// Qt
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// libxlsxwriter
#include <xlsxwriter.h>

// std
#include <cstdio>
#include <optional>

namespace vendara {

namespace {

const QByteArray kLineEnd("\r\n");

bool isPriceColumn(int column)
{
    return column == product::Price
           || (column > product::Includes && (column - product::Includes) % 2 == 0);
}

// The "currency" form as a spreadsheet number format: the user's symbol before or after the
// amount, as the currency form places it.
std::string currencyFormat()
{
    const QString symbol = NumberForms::locale().currencySymbol(QLocale::CurrencySymbol);
    QString quoted = symbol;
    quoted.replace(QLatin1Char('"'), QString());
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    const QString sample = NumberForms::currency(1.0);
    const QString format = sample.endsWith(symbol) && !sample.startsWith(symbol)
                               ? QStringLiteral("#,##0.00 ") + quoted
                               : quoted + QStringLiteral("#,##0.00");
    return format.toStdString();
}

// A workbook being written; one that is not closed on purpose is dropped with its file.
class XlsxBook
{
public:
    explicit XlsxBook(const QString &path)
        : mPath(path)
        , mBook(workbook_new(QFile::encodeName(path).constData()))
    {}
    ~XlsxBook()
    {
        if (mBook != nullptr) {
            workbook_close(mBook);
            QFile::remove(mPath);
        }
    }
    XlsxBook(const XlsxBook &) = delete;
    XlsxBook &operator=(const XlsxBook &) = delete;

    [[nodiscard]] lxw_workbook *get() const { return mBook; }
    lxw_error close()
    {
        lxw_workbook *book = mBook;
        mBook = nullptr;
        return workbook_close(book);
    }

private:
    QString mPath;
    lxw_workbook *mBook;
};

} // namespace

QString ExportFile::priceText(const Cell &price)
{
    if (price.isNumber())
        return NumberForms::currency(price.number());
    if (price.isEmpty())
        return {};
    if (const auto value = NumberForms::readNumber(price.text()))
        return NumberForms::currency(*value);
    return price.text();
}

QString ExportFile::flattened(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')))
        return text;
    QString flat = text;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat;
}

QStringList ExportFile::textFields(const Table &products, int row)
{
    QStringList fields;
    for (int column = 1; column <= product::ColumnCount; ++column) {
        const Cell &cell = products.cell(row, column);
        if (column == product::Price)
            fields.append(priceText(cell));
        else if (column == product::Notes || column == product::Includes)
            fields.append(flattened(cell.toText()));
        else
            fields.append(cell.toText());
    }
    return fields;
}

QByteArray ExportFile::textBytes(const Table &products, QString *lost)
{
    QString text;
    QStringList heading;
    for (int column = 1; column <= product::ColumnCount; ++column)
        heading.append(texts::exportHeading(column));
    text += heading.join(QLatin1Char('\t')) + QLatin1String(kLineEnd);
    for (int row = 1; row <= products.rows(); ++row) {
        if (products.cell(row, product::PartNumber).isEmpty())
            continue;
        text += textFields(products, row).join(QLatin1Char('\t')) + QLatin1String(kLineEnd);
    }
    if (lost != nullptr)
        *lost = common::unencodableCharacters(text);
    return common::toCp1252(text);
}

common::Status ExportFile::writeText(const QString &path, const QByteArray &bytes)
{
    return common::replaceFile(QFile::encodeName(path).toStdString(),
                               std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

bool ExportFile::isWorkbookName(const QString &path)
{
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}

common::Status ExportFile::writeWorkbook(const QString &path, const Table &products)
{
    // The library writes a file of its own: it goes to a private temporary folder, and its
    // bytes then replace the target safely, as every file the program writes does. A target
    // that is a symbolic link stays one: the file it leads to is replaced.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return common::Status::failure(QStringLiteral("Cannot make a temporary folder: %1")
                                           .arg(scratch.errorString())
                                           .toStdString());
    const QString partial = scratch.filePath(QStringLiteral("export.xlsx"));
    auto fail = [](const std::string &why) {
        return common::Status::failure(why);
    };
    {
        XlsxBook book(partial);
        if (book.get() == nullptr)
            return fail("The workbook could not be created.");
        lxw_worksheet *sheet = workbook_add_worksheet(book.get(), "Products");
        lxw_format *bold = workbook_add_format(book.get());
        format_set_bold(bold);
        lxw_format *money = workbook_add_format(book.get());
        format_set_num_format(money, currencyFormat().c_str());
        lxw_format *amount = workbook_add_format(book.get());
        format_set_num_format(amount, "#,##0.00");
        lxw_format *wrap = workbook_add_format(book.get());
        format_set_text_wrap(wrap);
        if (sheet == nullptr || bold == nullptr || money == nullptr || amount == nullptr
            || wrap == nullptr)
            return fail("The workbook could not be created.");
        worksheet_set_column(sheet, 0, 0, 14, nullptr);
        worksheet_set_column(sheet, 1, 1, 40, nullptr);
        worksheet_set_column(sheet, 2, 2, 12, nullptr);
        worksheet_set_column(sheet, 3, 4, 30, nullptr);
        worksheet_freeze_panes(sheet, 1, 0);

        lxw_error error = LXW_NO_ERROR;
        auto keep = [&](lxw_error e) {
            if (error == LXW_NO_ERROR)
                error = e;
        };
        for (int column = 1; column <= product::ColumnCount; ++column)
            keep(worksheet_write_string(sheet, 0, lxw_col_t(column - 1),
                                        texts::exportHeading(column).toUtf8().constData(), bold));
        lxw_row_t line = 1;
        for (int row = 1; row <= products.rows() && error == LXW_NO_ERROR; ++row) {
            if (products.cell(row, product::PartNumber).isEmpty())
                continue;
            for (int column = 1; column <= product::ColumnCount; ++column) {
                const Cell &cell = products.cell(row, column);
                if (cell.isEmpty())
                    continue;
                const lxw_col_t at = lxw_col_t(column - 1);
                std::optional<double> number;
                if (cell.isNumber())
                    number = cell.number();
                else if (column >= product::Price && column != product::Notes
                         && column != product::Includes)
                    number = NumberForms::readNumber(cell.text());
                if (number && column >= product::Price) {
                    lxw_format *format = column == product::Price ? money
                                         : isPriceColumn(column)  ? amount
                                                                  : nullptr;
                    keep(worksheet_write_number(sheet, line, at, *number, format));
                } else {
                    const QString text = toDisplayLineBreaks(cell.toText());
                    keep(worksheet_write_string(sheet, line, at, text.toUtf8().constData(),
                                                text.contains(QLatin1Char('\n')) ? wrap : nullptr));
                }
            }
            ++line;
        }
        if (error != LXW_NO_ERROR)
            return fail(lxw_strerror(error));
        const lxw_error closed = book.close();
        if (closed != LXW_NO_ERROR)
            return fail(lxw_strerror(closed));
    }
    QFile made(partial);
    if (!made.open(QIODevice::ReadOnly))
        return fail(made.errorString().toStdString());
    const QByteArray bytes = made.readAll();
    if (made.error() != QFileDevice::NoError)
        return fail(made.errorString().toStdString());
    return common::replaceFile(QFile::encodeName(path).toStdString(),
                               std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace vendara
