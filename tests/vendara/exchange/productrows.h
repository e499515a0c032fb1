// Catalogues for the exchange tests: a product table filled from rows of cell texts, the
// fixture workbooks of the tests' data folder, and an update window's sheet read in the test.
#pragma once

#include "vendara/exchange/updateform.h"
#include "vendara/exchange/workbook.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/store/table.h"

// Qt
#include <QFile>
#include <QString>
#include <QStringList>

// std
#include <initializer_list>
#include <memory>

namespace testsupport {

struct Catalogue
{
    vendara::Table table{0, vendara::product::ColumnCount};
    vendara::Products products{table};

    // One product per row: its cells from column 1 on; a text "#12.5" becomes a number.
    Catalogue &add(std::initializer_list<QString> cells)
    {
        const int row = table.rows() + 1;
        table.insertRow(row);
        int column = 1;
        for (const QString &cell : cells) {
            if (cell.startsWith(QLatin1Char('#')))
                table.setCell(row, column, vendara::Cell(cell.mid(1).toFloat()));
            else if (!cell.isEmpty())
                table.setCell(row, column, vendara::Cell(cell));
            ++column;
        }
        products.setCount(table.rows());
        return *this;
    }

    [[nodiscard]] QString text(int row, int column) const
    {
        return table.cell(row, column).toText();
    }
    [[nodiscard]] QStringList partNumbers() const
    {
        QStringList numbers;
        for (int row = 1; row <= table.rows(); ++row)
            numbers.append(text(row, vendara::product::PartNumber));
        return numbers;
    }
};

inline QString spreadsheet(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/spreadsheets/") + name;
}

// Reads the form's workbook here (the window reads it in the reader process) and fills the
// lists.
inline bool loadSheet(vendara::UpdateForm &form)
{
    return form.loadsheet(vendara::Workbook::open(form.workbookPath()));
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace testsupport
