#include "updatefields.h"

#include "exchangetexts.h"

namespace vendara {

const std::array<UpdateFields::Field, UpdateFields::kListCount> &UpdateFields::fields()
{
    static const std::array<Field, kListCount> table = {{
        {0, "Part Number:", 1, true},
        {1, "Product Name:", 2, true},
        {3, "List Price:", 3, false},
        {7, "Notes:", 4, false},
        {6, "Includes:", 5, false},
        {2, "Price Point 1:", 6, false},
        {4, "Price 1:", 7, false},
        {5, "Price Point 2:", 8, false},
        {8, "Price 2:", 9, false},
        {9, "Price Point 3:", 10, false},
        {10, "Price 3:", 11, false},
        {11, "Price Point 4:", 12, false},
        {12, "Price 4:", 13, false},
        {13, "Price Point 5:", 14, false},
        {14, "Price 5:", 15, false},
    }};
    return table;
}

const UpdateFields::Field &UpdateFields::ofList(int list)
{
    for (const Field &field : fields()) {
        if (field.list == list)
            return field;
    }
    return fields().front();
}

UpdateFields::Headings UpdateFields::readHeadings(const Workbook &sheet)
{
    Headings headings;
    for (int column = 1; column <= kMaxColumns; ++column) {
        const SheetCell &cell = sheet.cell(1, column);
        if (cell.isUnreadable()) {
            headings.readable = false;
            break;
        }
        if (cell.isEmpty())
            break;
        headings.texts.append(cell.valueText());
    }
    return headings;
}

QStringList UpdateFields::entries(int list, const QStringList &headings)
{
    QStringList result;
    if (!isRequired(list))
        result.append(texts::skipField());
    for (int i = 0; i < headings.size() && i < kMaxColumns; ++i)
        result.append(texts::columnEntry(i, headings.at(i)));
    return result;
}

int UpdateFields::preselection(int list, const QStringList &headings)
{
    QStringList forms;
    switch (list) {
    case 0:
        forms = {QStringLiteral("Part Number"), QStringLiteral("Part number"),
                 QStringLiteral("part number")};
        break;
    case 1:
        forms = {QStringLiteral("Product Name"), QStringLiteral("product name"),
                 QStringLiteral("Product name")};
        break;
    case 3:
        forms = {QStringLiteral("Price"), QStringLiteral("price")};
        break;
    case 6:
        forms = {QStringLiteral("Includes"), QStringLiteral("includes")};
        break;
    case 7:
        forms = {QStringLiteral("Notes"), QStringLiteral("notes")};
        break;
    default:
        return -1; // the discount schedule is never preselected
    }
    int position = -1;
    for (int i = 0; i < headings.size() && i < kMaxColumns; ++i) {
        if (forms.contains(headings.at(i))) // exact: letter case and blanks count
            position = isRequired(list) ? i : i + 1;
    }
    return position;
}

QChar UpdateFields::letter(int list, int position)
{
    const int base = isRequired(list) ? 65 : 64;
    return QChar(char16_t(base + std::max(position, -1)));
}

int UpdateFields::columnOf(QChar letter)
{
    const int code = letter.unicode();
    if (code < 'A' || code >= 'A' + kMaxColumns)
        return 0;
    return code - 'A' + 1;
}

} // namespace vendara
