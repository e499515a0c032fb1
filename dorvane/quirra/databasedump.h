// A database written out for a person to read: header values, the fields in display order,
// the access word, the popup lists and every data record's texts.
#pragma once

#include "dorvane/pdb/database.h"
#include "dorvane/pdb/textformats.h"

// std
#include <ostream>

namespace quirra {

// The header, descriptor and access word; the database's descriptor must have been read.
void dumpStructure(const pdb::Database &database, std::ostream &out);
// The popup lists and the data records (after the access check).
void dumpContents(const pdb::Database &database, pdb::TextFormats formats, std::ostream &out);

} // namespace quirra
