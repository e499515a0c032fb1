// What one spreadsheet import changed in the catalogue, kept so that it can be taken back:
// the products it added (whole), the fields it changed in other products (as they were and
// as they became), and the order of the products before it.
//
// `revert` restores the catalogue as it was before the import: the added products go, the
// changed fields get their old values back, and the products return to their order (products
// added since then come after them). Edits made since to fields the import did not change
// stay. `apply` makes the import's changes (again): it adds the products that are not there,
// gives the changed fields their new values, and sorts by part number, as the import does.
// Products are found by their part number exactly as the catalogue holds it.
#pragma once

#include "importplan.h"

// Qt
#include <QList>
#include <QString>
#include <QStringList>

namespace vendara {

class Products;

class ImportRecord
{
public:
    struct Update
    {
        QString partNumber;
        QList<FieldChange> fields;

        bool operator==(const Update &other) const = default;
    };

    ImportRecord() = default;

    // The record of a planned update, for the catalogue as it is now; nothing has changed
    // yet (call apply).
    [[nodiscard]] static ImportRecord of(const ImportPlan &plan, const Products &products);
    // The record of an add-only import that has run: `orderBefore` is orderOf() before its
    // first row, `added` the part numbers it added.
    [[nodiscard]] static ImportRecord ofAdded(QStringList orderBefore, const Products &products,
                                              const QStringList &added);
    // The part numbers of the products in table order.
    [[nodiscard]] static QStringList orderOf(const Products &products);

    void apply(Products &products) const;
    void revert(Products &products) const;

    [[nodiscard]] const QList<ProductRow> &added() const { return mAdded; }
    [[nodiscard]] const QList<Update> &updated() const { return mUpdated; }
    [[nodiscard]] int addedCount() const { return int(mAdded.size()); }
    [[nodiscard]] int changedCount() const { return int(mUpdated.size()); }
    // Nothing to take back.
    [[nodiscard]] bool isEmpty() const { return mAdded.isEmpty() && mUpdated.isEmpty(); }

    bool operator==(const ImportRecord &other) const = default;

private:
    QStringList mOrderBefore;
    QList<ProductRow> mAdded;
    QList<Update> mUpdated;
};

} // namespace vendara
