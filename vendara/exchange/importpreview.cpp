#include "importpreview.h"

#include "exchangetexts.h"

// Qt
#include <QMimeData>

namespace vendara {

namespace {

constexpr int kPartNumberColumn = 1;
constexpr int kActionColumn = 2;
constexpr int kFirstFieldColumn = 3;

bool isPriceColumn(int column)
{
    return column == product::Price || (column > product::Includes && column % 2 == 1);
}

QString action(const ImportPlan::Entry &entry)
{
    switch (entry.action) {
    case ImportPlan::Action::Add:
        return texts::previewNew();
    case ImportPlan::Action::Change:
        return texts::previewChanged();
    case ImportPlan::Action::Skip:
        break;
    }
    switch (entry.reason) {
    case ImportPlan::SkipReason::Duplicate:
        return texts::previewSkippedDuplicate(entry.reasonDetail);
    case ImportPlan::SkipReason::CatalogueFull:
        return texts::previewSkippedFull();
    case ImportPlan::SkipReason::Unreadable:
    case ImportPlan::SkipReason::None:
        break;
    }
    return texts::previewSkippedUnreadable(product::label(entry.reasonDetail));
}

} // namespace

ImportPreview::ImportPreview(ImportPlan plan)
    : mPlan(std::move(plan))
{
    // The product name always, to know the product by; other fields when the update touches
    // them.
    for (int column = product::ProductName; column <= product::ColumnCount; ++column) {
        bool touched = column == product::ProductName;
        for (const ImportPlan::Entry &entry : mPlan.entries) {
            if (touched)
                break;
            if (entry.action == ImportPlan::Action::Add)
                touched = !entry.row[std::size_t(column - 1)].isEmpty();
            for (const FieldChange &change : entry.changes)
                touched = touched || change.column == column;
        }
        if (touched)
            mFields.append(column);
    }
    fill();
}

QString ImportPreview::shown(int column, const Cell &cell)
{
    QString text = TableModel::formatCell(cell, isPriceColumn(column) ? CellFormat::Currency
                                                                      : CellFormat::Text);
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

QString ImportPreview::change(int column, const Cell &before, const Cell &after)
{
    const auto side = [column](const Cell &cell) {
        const QString text = shown(column, cell);
        return text.isEmpty() ? texts::previewEmpty() : text;
    };
    return texts::previewChange(side(before), side(after));
}

void ImportPreview::fill()
{
    mTable.setBounds(int(mPlan.entries.size()), kFirstFieldColumn + int(mFields.size()) - 1);
    int row = 0;
    for (const ImportPlan::Entry &entry : mPlan.entries) {
        ++row;
        mTable.setCell(row, kPartNumberColumn, entry.partNumber);
        mTable.setCell(row, kActionColumn, action(entry));
        for (int i = 0; i < mFields.size(); ++i) {
            const int column = mFields.at(i);
            QString text;
            if (entry.action == ImportPlan::Action::Add) {
                text = shown(column, entry.row[std::size_t(column - 1)]);
            } else if (entry.action == ImportPlan::Action::Change) {
                if (column == product::ProductName)
                    text = shown(column, entry.name);
                for (const FieldChange &field : entry.changes) {
                    if (field.column == column)
                        text = change(column, field.before, field.after);
                }
            }
            if (!text.isEmpty())
                mTable.setCell(row, kFirstFieldColumn + i, text);
        }
    }
}

QStringList ImportPreview::counts() const
{
    return {texts::previewNewCount(mPlan.added()), texts::previewChangedCount(mPlan.changed()),
            texts::previewUnchangedCount(mPlan.unchanged),
            texts::previewSkippedCount(mPlan.skipped())};
}

QStringList ImportPreview::headings() const
{
    QStringList headings{product::label(product::PartNumber), texts::previewActionHeading()};
    for (const int column : mFields)
        headings.append(product::label(column));
    return headings;
}

QList<GridColumn> ImportPreview::gridColumns() const
{
    QList<GridColumn> columns;
    const QStringList captions = headings();
    for (int i = 0; i < captions.size(); ++i)
        columns.append({i + 1, captions.at(i), CellFormat::Text, true});
    return columns;
}

QStringList ImportPreview::line(int row) const
{
    QStringList cells;
    for (int column = 1; column <= mTable.columns(); ++column)
        cells.append(mTable.cell(row, column).toText());
    return cells;
}

QString ImportPreview::plainText() const
{
    QString text = headings().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row = 1; row <= mTable.rows(); ++row)
        text += line(row).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString ImportPreview::html() const
{
    const auto cells = [](const QStringList &texts, const QString &tag) {
        QString html = QStringLiteral("<tr>");
        for (const QString &text : texts)
            html += QStringLiteral("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
        return html + QStringLiteral("</tr>");
    };
    QString html = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=utf-8\"></head><body><table>");
    html += cells(headings(), QStringLiteral("th"));
    for (int row = 1; row <= mTable.rows(); ++row)
        html += cells(line(row), QStringLiteral("td"));
    return html + QLatin1String("</table></body></html>");
}

std::unique_ptr<QMimeData> ImportPreview::mimeData() const
{
    auto data = std::make_unique<QMimeData>();
    data->setHtml(html());
    data->setText(plainText());
    return data;
}

} // namespace vendara
