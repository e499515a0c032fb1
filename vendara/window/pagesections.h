// A page header or footer in the grid printer's section form: "\t" (or a tab) starts the next
// section, left, then centre, then right; "\p" stands for the page number. "\tPage: \p" is
// "Page: " and the page number, centred.
#pragma once

// Qt
#include <QString>

namespace vendara {

struct PageSections
{
    QString left;
    QString centre;
    QString right;

    // The sections of `format` on page `page`. Text after a third section start joins the
    // right section.
    [[nodiscard]] static PageSections expand(const QString &format, int page);

    bool operator==(const PageSections &other) const = default;
};

} // namespace vendara
