#include "databaseheader.h"

#include "bytes.h"
#include "fixedtext.h"

namespace pdb {

void DatabaseHeader::setDefaults(std::string_view databaseName)
{
    setFixedText(name, databaseName);
    attributes = kAttributes;
    version = 0;
    creationDate = kCreationDate;
    modificationDate = kModificationDate;
    backupDate = 0;
    modificationNumber = kModificationNumber;
    sortInfoOffset = 0;
    kQuirraType.copy(type.data(), type.size());
    kQuirraType.copy(creator.data(), creator.size());
    uniqueIdSeed = 0;
    nextRecordListId = 0;
}

std::string DatabaseHeader::databaseName() const
{
    return fixedText(name);
}

bool DatabaseHeader::hasQuirraCreator() const
{
    return std::string_view(creator.data(), creator.size()) == kQuirraType;
}

void DatabaseHeader::encode(std::string &out) const
{
    appendRaw(out, name);
    appendBigEndian16(out, attributes);
    appendBigEndian16(out, version);
    appendBigEndian32(out, creationDate);
    appendBigEndian32(out, modificationDate);
    appendBigEndian32(out, backupDate);
    appendBigEndian32(out, modificationNumber);
    appendBigEndian32(out, appInfoOffset);
    appendBigEndian32(out, sortInfoOffset);
    appendRaw(out, type);
    appendRaw(out, creator);
    appendBigEndian32(out, uniqueIdSeed);
    appendBigEndian32(out, nextRecordListId);
    appendBigEndian16(out, recordCount);
}

DatabaseHeader DatabaseHeader::decode(std::string_view bytes)
{
    DatabaseHeader h;
    ByteReader in(bytes);
    in.raw(h.name);
    in.big16(h.attributes);
    in.big16(h.version);
    in.big32(h.creationDate);
    in.big32(h.modificationDate);
    in.big32(h.backupDate);
    in.big32(h.modificationNumber);
    in.big32(h.appInfoOffset);
    in.big32(h.sortInfoOffset);
    in.raw(h.type);
    in.raw(h.creator);
    in.big32(h.uniqueIdSeed);
    in.big32(h.nextRecordListId);
    in.big16(h.recordCount);
    return h;
}

} // namespace pdb
