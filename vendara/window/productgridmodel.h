// The product grid's model: the product table's view for `GrdMain`, whose cell edits (part
// number and product name, typed in edit mode) each become a step of the history.
#pragma once

#include "vendara/store/tablemodel.h"

namespace vendara {

class ProductHistory;

class ProductGridModel : public TableModel
{
    Q_OBJECT

public:
    ProductGridModel(Table &table, QList<GridColumn> columns, ProductHistory &history,
                     QObject *parent = nullptr);

    // An edit that leaves the cell as it was is no step.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    ProductHistory &mHistory;
};

} // namespace vendara
