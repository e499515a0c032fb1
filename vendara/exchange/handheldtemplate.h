// The template database "prodnocog.pjt" that lies beside the program: the field layout the
// converter gives the hand-off's database. Its used fields, in display order, take the seven
// columns of the hand-off's CSV file: Quote (a check box), Cat Number, Description, Price,
// Includes and Notes (notes), Discounts. It holds no records. Built from this description
// at build time (the program `vendara_template`), never kept as a binary file.
#pragma once

#include "dorvane/pdb/databasebuilder.h"

namespace vendara {

class HandheldTemplate
{
public:
    static constexpr const char *kFileName = "prodnocog.pjt";

    [[nodiscard]] static pdb::DatabaseBuilder build();
};

} // namespace vendara
