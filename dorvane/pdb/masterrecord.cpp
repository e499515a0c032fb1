#include "masterrecord.h"

#include "bytes.h"
#include "fixedtext.h"

namespace pdb {

namespace {

void encodeSettings(std::string &out, const SettingsBlock &s)
{
    appendBigEndian16(out, s.number0);
    appendBigEndian16(out, s.number2);
    appendRaw(out, s.text4);
    appendRaw(out, s.text44);
    appendBigEndian32(out, static_cast<std::uint32_t>(s.number84));
    appendBigEndian32(out, static_cast<std::uint32_t>(s.number88));
}

void readSettings(ByteReader &in, SettingsBlock &s)
{
    in.big16(s.number0);
    in.big16(s.number2);
    in.raw(s.text4);
    in.raw(s.text44);
    in.big32(s.number84);
    in.big32(s.number88);
}

void encodeField(std::string &out, const FieldDefinition &f)
{
    appendBigEndian16(out, f.type);
    appendBigEndian16(out, f.maxLength);
    out.push_back(static_cast<char>(f.longText));
    out.push_back(static_cast<char>(f.byte5));
    appendBigEndian16(out, f.columnWidth);
    out.push_back(static_cast<char>(f.byte8));
    out.push_back(static_cast<char>(f.shown));
    out.push_back(static_cast<char>(f.derivedValue));
    out.push_back(static_cast<char>(f.byte11));
    out.push_back(static_cast<char>(f.byte12));
    out.push_back(static_cast<char>(f.byte13));
    appendRaw(out, f.parameters);
    out.push_back(static_cast<char>(f.byte34));
    out.push_back(static_cast<char>(f.byte35));
    appendRaw(out, f.name);
}

void readField(ByteReader &in, FieldDefinition &f)
{
    in.big16(f.type);
    in.big16(f.maxLength);
    in.byte(f.longText);
    in.byte(f.byte5);
    in.big16(f.columnWidth);
    in.byte(f.byte8);
    in.byte(f.shown);
    in.byte(f.derivedValue);
    in.byte(f.byte11);
    in.byte(f.byte12);
    in.byte(f.byte13);
    in.raw(f.parameters);
    in.byte(f.byte34);
    in.byte(f.byte35);
    in.raw(f.name);
}

} // namespace

std::string FieldDefinition::nameText() const
{
    return fixedText(name);
}

void FieldDefinition::setName(std::string_view text)
{
    setFixedText(name, text.substr(0, kMaxNameLength));
}

MasterRecord::MasterRecord()
{
    for (int i = 0; i < kFieldCount; ++i) {
        fields[static_cast<std::size_t>(i)].setName("Field " + std::to_string(i + 1));
        displayOrder[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }
}

void MasterRecord::encode(std::string &out) const
{
    appendBigEndian32(out, nextUniqueNumber);
    encodeSettings(out, settings4);
    encodeSettings(out, settings96);
    appendRaw(out, bytePairs188);
    out.push_back(static_cast<char>(byte194));
    out.push_back(static_cast<char>(byte195));
    appendBigEndian16(out, number196);
    appendBigEndian16(out, number198);
    out.push_back(static_cast<char>(byte200));
    out.push_back(static_cast<char>(byte201));
    appendRaw(out, password);
    for (const FieldDefinition &f : fields)
        encodeField(out, f);
    out.push_back(static_cast<char>(byte1902));
    out.push_back(static_cast<char>(byte1903));
    appendRaw(out, text1904);
    out.push_back(static_cast<char>(byte1939));
    appendBigEndian16(out, recordTagFlag);
    appendBigEndian16(out, number1942);
    appendBigEndian16(out, number1944);
    out.push_back(static_cast<char>(version));
    out.push_back(static_cast<char>(readMark));
    appendRaw(out, displayOrder);
    appendRaw(out, bytes1978);
    appendRaw(out, bytes2008);
    appendBigEndian16(out, accessWord);
    appendRaw(out, text2040);
    appendRaw(out, text2080);
    appendBigEndian16(out, derivedValueFlag);
}

MasterRecord MasterRecord::read(std::string_view bytes)
{
    MasterRecord m;
    ByteReader in(bytes);
    in.big32(m.nextUniqueNumber);
    readSettings(in, m.settings4);
    readSettings(in, m.settings96);
    in.raw(m.bytePairs188);
    in.byte(m.byte194);
    in.byte(m.byte195);
    in.big16(m.number196);
    in.big16(m.number198);
    in.byte(m.byte200);
    in.byte(m.byte201);
    in.raw(m.password);
    for (FieldDefinition &f : m.fields)
        readField(in, f);
    in.byte(m.byte1902);
    in.byte(m.byte1903);
    in.raw(m.text1904);
    in.byte(m.byte1939);
    in.big16(m.recordTagFlag);
    in.big16(m.number1942);
    in.big16(m.number1944);
    in.byte(m.version);
    in.byte(m.readMark);
    in.raw(m.displayOrder);
    in.raw(m.bytes1978);
    in.raw(m.bytes2008);
    // The version byte, taken as a signed byte, says whether the newer fields are there.
    if (static_cast<std::int8_t>(m.version) >= 2) {
        in.big16(m.accessWord);
        in.raw(m.text2040);
        in.raw(m.text2080);
        in.big16(m.derivedValueFlag);
    }
    m.checkAndUpgrade();
    return m;
}

void MasterRecord::checkAndUpgrade()
{
    // Display-order entries are signed bytes: one of 30 or more stands for slot 0, and an
    // order that holds a negative entry (a byte above 127) or repeats one is not a
    // permutation of the 30 slots and starts again from 0 to 29.
    std::array<bool, kFieldCount> seen{};
    bool permutation = true;
    for (std::uint8_t &entry : displayOrder) {
        const auto signedEntry = static_cast<std::int8_t>(entry);
        if (signedEntry < 0) {
            permutation = false;
            continue;
        }
        if (signedEntry >= kFieldCount)
            entry = 0;
        if (seen[entry])
            permutation = false;
        seen[entry] = true;
    }
    if (!permutation) {
        for (int i = 0; i < kFieldCount; ++i)
            displayOrder[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }

    if (version != kCurrentVersion) {
        for (FieldDefinition &f : fields) {
            f.longText = 0;
            if (f.shown != 0)
                f.byte8 = 1;
            if (f.fieldType() == FieldType::Decimal)
                f.maxLength = 4;
            if (f.fieldType() == FieldType::Note)
                f.longText = 1;
            if (f.fieldType() == FieldType::Popup)
                f.byte12 = 0;
            f.derivedValue = 0;
            f.byte34 = 0;
        }
        byte200 = 0;
        accessWord = 0;
        number1944 = 0;
        byte1939 = 0;
        readMark = 0;
        derivedValueFlag = 0;
        // An older database kept its password without an access word: reading it now asks
        // for the password.
        if (hasPassword()) {
            setAccessSlot(0, 1);
            setAccessSlot(4, 1);
        }
        text2040.fill('\0');
        text2080.fill('\0');
        version = kCurrentVersion;
    }
    readMark = 1;
    for (const FieldDefinition &f : fields) {
        if (f.fieldType() == FieldType::Derived && f.derivedValue != 0)
            derivedValueFlag = 1;
    }
}

std::string MasterRecord::passwordText() const
{
    return fixedText(password);
}

void MasterRecord::setPassword(std::string_view text)
{
    setFixedText(password, text);
}

int MasterRecord::displayColumn(int field) const
{
    int column = 0;
    for (const std::uint8_t entry : displayOrder) {
        if (entry == field)
            return column;
        if (fields[entry].used())
            ++column;
    }
    return -1;
}

int MasterRecord::displayPosition(int field) const
{
    for (int p = 0; p < kFieldCount; ++p) {
        if (displayOrder[static_cast<std::size_t>(p)] == field)
            return p;
    }
    return -1;
}

bool MasterRecord::anyUsedFieldFrom(int slot) const
{
    for (int i = slot < 0 ? 0 : slot; i < kFieldCount; ++i) {
        if (fields[static_cast<std::size_t>(i)].used())
            return true;
    }
    return false;
}

int MasterRecord::usedFieldCount() const
{
    int count = 0;
    for (const FieldDefinition &f : fields)
        count += f.used() ? 1 : 0;
    return count;
}

int MasterRecord::accessSlot(int slot) const
{
    return (accessWord >> (2 * slot)) & 3;
}

void MasterRecord::setAccessSlot(int slot, int value)
{
    const unsigned shift = static_cast<unsigned>(2 * slot);
    const unsigned cleared = accessWord & ~(3u << shift);
    accessWord =
        static_cast<std::uint16_t>(cleared | ((static_cast<unsigned>(value) & 3u) << shift));
}

ReadAccess MasterRecord::readAccess() const
{
    switch (accessSlot(0)) {
    case 0:
        return ReadAccess::Allowed;
    case 1:
        return ReadAccess::NeedsPassword;
    default:
        return ReadAccess::NotAllowed;
    }
}

} // namespace pdb
