#include "databasedump.h"

#include "dorvane/pdb/containerwriter.h"
#include "dorvane/pdb/fieldtype.h"

#include "common/core/cp1252.h"

// std
#include <cstdio>
#include <iomanip>
#include <string>

namespace quirra {

namespace {

// Windows-1252 text for the terminal, line breaks shown as \r and \n.
std::string shown(std::string_view text)
{
    std::string out;
    for (const char c : common::cp1252ToUtf8(text)) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\\')
            out += "\\\\";
        else
            out.push_back(c);
    }
    return out;
}

std::string quoted(std::string_view text)
{
    return "\"" + shown(text) + "\"";
}

std::string_view accessText(int slotValue)
{
    switch (slotValue) {
    case 0:
        return "allowed";
    case 1:
        return "allowed with the password";
    default:
        return "not allowed";
    }
}

std::string hex16(unsigned value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%04X", value & 0xFFFFu);
    return buffer;
}

} // namespace

void dumpStructure(const pdb::Database &database, std::ostream &out)
{
    const pdb::DatabaseHeader &h = database.header();
    out << "Database " << quoted(h.databaseName()) << '\n';
    out << "  attributes " << h.attributes << ", version " << h.version << '\n';
    out << "  created " << h.creationDate << ", modified " << h.modificationDate << ", backed up "
        << h.backupDate << ", modification number " << h.modificationNumber << '\n';
    out << "  application info at " << h.appInfoOffset << ", sort info at " << h.sortInfoOffset
        << '\n';
    out << "  type " << quoted(std::string_view(h.type.data(), h.type.size())) << ", creator "
        << quoted(std::string_view(h.creator.data(), h.creator.size())) << ", unique ID seed "
        << h.uniqueIdSeed << ", next record list " << h.nextRecordListId << '\n';
    out << "  records " << database.recordCount() << " (" << database.dataRecordCount()
        << (database.dataRecordCount() == 1 ? " data record)\n" : " data records)\n");

    const pdb::MasterRecord &d = database.descriptor();
    out << "Descriptor version " << unsigned{d.version} << ", next unique number "
        << d.nextUniqueNumber << ", record tag " << (d.recordTagFlag != 0 ? "on" : "off") << '\n';
    out << "Access word " << hex16(d.accessWord) << ": reading " << accessText(d.accessSlot(0))
        << "; password " << (d.hasPassword() ? "set" : "none") << '\n';
    out << "Fields in display order:\n";
    out << "  pos slot type                         max shown width name\n";
    for (const pdb::DisplayField &f : database.displayFields()) {
        if (f.type == 0)
            continue;
        const std::string type =
            std::string(pdb::fieldTypeName(f.type)) + " (" + std::to_string(f.type) + ")";
        out << "  " << std::setw(3) << f.position << ' ' << std::setw(4) << f.slot << ' '
            << std::left << std::setw(28) << type << std::right << ' ' << std::setw(4)
            << f.maxLength << ' ' << std::setw(5) << (f.shown ? "yes" : "no") << ' ' << std::setw(5)
            << f.columnWidth << ' ' << shown(f.name) << '\n';
    }
}

void dumpContents(const pdb::Database &database, pdb::TextFormats formats, std::ostream &out)
{
    const pdb::MasterRecord &d = database.descriptor();
    out << "Popup lists:\n";
    bool any = false;
    for (int i = 0; i < pdb::kFieldCount; ++i) {
        const pdb::PopupList &list = database.popupLists()[static_cast<std::size_t>(i)];
        if (list.empty())
            continue;
        any = true;
        out << "  slot " << i << ' ' << shown(d.fields[static_cast<std::size_t>(i)].nameText())
            << ':';
        for (std::size_t k = 0; k < list.size(); ++k)
            out << (k == 0 ? " " : " | ") << shown(list.items()[k]);
        out << '\n';
    }
    if (!any)
        out << "  none\n";

    const std::vector<pdb::DisplayField> fields = database.displayFields();
    out << "Data records:\n";
    for (std::size_t n = 0; n < database.dataRecordCount(); ++n) {
        const std::size_t index = pdb::kFirstDataRecord + n;
        const auto texts = database.recordTexts(index, formats);
        out << "Record " << n + 1;
        if (!texts) {
            out << ": unreadable\n";
            continue;
        }
        out << '\n';
        for (const pdb::DisplayField &f : fields) {
            if (f.type == 0)
                continue;
            out << "  " << shown(f.name) << ": "
                << shown((*texts)[static_cast<std::size_t>(f.position)]) << '\n';
        }
    }
}

} // namespace quirra
