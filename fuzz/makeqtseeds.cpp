// Writes the seed corpus of the Qt readers' fuzz targets, made with the project's own code
// from the test workbooks (made by a real spreadsheet program) and the sample catalogue:
//   vendara_fuzz_seeds WORKBOOKS CATALOGUE FOLDER
// writes FOLDER/<target>/* for xls, xlsx, ods, textsheet, catalogue, registry, qdini, users.
#include "fuzzsupport.h"

#include "common/registry/registryfile.h"
#include "dorvane/frontend/settingsfile.h"
#include "vendara/exchange/compoundfile.h"
#include "vendara/exchange/exportfile.h"
#include "vendara/exchange/sheettransfer.h"
#include "vendara/exchange/workbook.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/store/table.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

// std
#include <cstdio>

// libzip
#include <zip.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

// A zip container's entries whose names `keep` accepts, in the container's order.
fuzz::Entries zipEntries(const QString &path, const std::function<bool(const QByteArray &)> &keep)
{
    fuzz::Entries entries;
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (archive == nullptr)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        const QByteArray name = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_RAW);
        zip_stat_t stat;
        if (!keep(name) || zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0)
            continue;
        QByteArray content(qsizetype(stat.size), '\0');
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (file == nullptr)
            continue;
        const zip_int64_t read = zip_fread(file, content.data(), stat.size);
        zip_fclose(file);
        if (read == zip_int64_t(stat.size))
            entries.emplace_back(name, content);
    }
    zip_discard(archive);
    return entries;
}

void fillSampleProducts(vendara::Table &table)
{
    namespace product = vendara::product;
    table.setBounds(3, product::ColumnCount);
    table.setCell(1, product::PartNumber, QStringLiteral("AP-220"));
    table.setCell(1, product::ProductName, QStringLiteral("Wireless access point"));
    table.setCell(1, product::Price, vendara::Cell(189.0f));
    table.setCell(1, product::Notes, QStringLiteral("two\r\nlines"));
    table.setCell(1, product::pricePointQuantity(1), QStringLiteral("10"));
    table.setCell(1, product::pricePointPrice(1), QStringLiteral("175"));
    table.setCell(2, product::PartNumber, QStringLiteral("Caf\u00E9 \u65E5"));
    table.setCell(2, product::ProductName, QStringLiteral("\r\nleading break"));
    table.setCell(3, product::PartNumber, QStringLiteral("Z"));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fputs("usage: vendara_fuzz_seeds WORKBOOKS CATALOGUE FOLDER\n", stderr);
        return 2;
    }
    const QDir workbooks(QFile::decodeName(argv[1]));
    const QString catalogue = QFile::decodeName(argv[2]);
    const QDir root(QFile::decodeName(argv[3]));
    for (const char *target :
         {"xls", "xlsx", "ods", "textsheet", "catalogue", "registry", "qdini", "users"})
        root.mkpath(QLatin1String(target));
    const QDir xls(root.filePath(QStringLiteral("xls")));
    const QDir xlsx(root.filePath(QStringLiteral("xlsx")));
    const QDir ods(root.filePath(QStringLiteral("ods")));
    const QDir text(root.filePath(QStringLiteral("textsheet")));
    bool ok = true;

    // Workbooks: each .xls whole and as its bare workbook stream; each .xlsx and .ods as the
    // entries the readers use (and one container as it is); each sheet as the reader
    // process's answer.
    for (const QFileInfo &info : workbooks.entryInfoList(
             {QStringLiteral("*.xls"), QStringLiteral("*.xlsx"), QStringLiteral("*.ods")},
             QDir::Files, QDir::Name)) {
        const QString base = info.completeBaseName();
        const QByteArray bytes = readAll(info.filePath());
        if (info.suffix() == QLatin1String("xls")) {
            ok = write(xls, base, bytes) && ok;
            const auto document = vendara::CompoundFile::parse(bytes);
            const auto stream =
                document ? document->stream(QStringLiteral("Workbook")) : std::nullopt;
            ok = stream && write(xls, base + QStringLiteral(".stream"), *stream) && ok;
        } else if (info.suffix() == QLatin1String("xlsx")) {
            const auto entries = zipEntries(info.filePath(), [](const QByteArray &name) {
                return name.endsWith(".rels") || name == "xl/workbook.xml"
                       || name == "xl/sharedStrings.xml" || name == "xl/styles.xml"
                       || name.startsWith("xl/worksheets/");
            });
            ok = !entries.empty() && write(xlsx, base, fuzz::packageInput(entries)) && ok;
            if (base == QLatin1String("basic"))
                ok = write(xlsx, base + QStringLiteral(".zip"), bytes) && ok;
        } else {
            const auto entries = zipEntries(info.filePath(), [](const QByteArray &name) {
                return name == "mimetype" || name == "content.xml";
            });
            ok = entries.size() == 2 && write(ods, base, fuzz::packageInput(entries)) && ok;
            if (base == QLatin1String("basic"))
                ok = write(ods, base + QStringLiteral(".zip"), bytes) && ok;
        }
        const auto read = vendara::Workbook::open(info.filePath());
        ok = read.workbook != nullptr && ok;
        write(text, base + QLatin1Char('.') + info.suffix() + QStringLiteral(".answer"),
              vendara::SheetTransfer::toBytes(read));
    }

    // Small packages, so that the fuzzer's changes land on the parts that matter: relative
    // and absolute relationship targets, inline strings, a formula, nested text.
    const QByteArray relsStart =
        "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
        "package/2006/relationships\">";
    const QByteArray officeDocument =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
    const QByteArray worksheet =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
    ok = write(xlsx, QStringLiteral("minimal"),
               fuzz::packageInput(
                   {{"_rels/.rels", relsStart + "<Relationship Id=\"rId1\" Type=\"" + officeDocument
                                        + "\" Target=\"./xl/workbook.xml\"/></Relationships>"},
                    {"xl/workbook.xml", "<workbook xmlns:r=\"http://schemas.openxmlformats.org/"
                                        "officeDocument/2006/relationships\"><workbookPr "
                                        "date1904=\"0\"/><sheets><sheet "
                                        "name=\"S\" sheetId=\"1\" r:id=\"rId7\"/></sheets>"
                                        "</workbook>"},
                    {"xl/_rels/workbook.xml.rels",
                     relsStart + "<Relationship Id=\"rId7\" Type=\"" + worksheet
                         + "\" Target=\"../xl/worksheets/s.xml\"/></Relationships>"},
                    {"xl/worksheets/s.xml",
                     "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>"
                     "Part Number</t></is></c><c r=\"B1\"><f>1+1</f><v>2</v></c></row>"
                     "</sheetData></worksheet>"}}))
         && ok;
    ok = write(ods, QStringLiteral("minimal"),
               fuzz::packageInput(
                   {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                    {"content.xml",
                     "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:"
                     "xmlns:office:1.0\" xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:"
                     "table:1.0\" xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\">"
                     "<office:body><office:spreadsheet><table:table><table:table-row>"
                     "<table:table-cell><text:p><text:span>Part</text:span> Number</text:p>"
                     "</table:table-cell><table:table-cell office:value-type=\"time\" "
                     "office:time-value=\"PT10H30M05S\"/></table:table-row></table:table>"
                     "</office:spreadsheet></office:body></office:document-content>"}}))
         && ok;

    // Text sheets: the export's own tab-separated form, and comma-separated text.
    vendara::Table table;
    fillSampleProducts(table);
    ok = write(text, QStringLiteral("export.txt"), vendara::ExportFile::textBytes(table)) && ok;
    ok = write(text, QStringLiteral("quoted.csv"),
               "Part Number,Product Name,Notes\r\n\"A,1\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
               "B-2,Bolt,\r\n")
         && ok;
    ok = write(text, QStringLiteral("old-mac.txt"), "Part Number\tName\rX\tY\r") && ok;
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    ok = write(text, QStringLiteral("utf16.txt"),
               utf16.encode(QStringLiteral("Part Number\tName\r\nX\tCaf\u00E9\r\n")))
         && ok;
    const vendara::Workbook::OpenResult refused =
        vendara::Workbook::failure(vendara::Workbook::kNotAWorkbook, QStringLiteral("why\nnot"));
    ok = write(text, QStringLiteral("refused.answer"), vendara::SheetTransfer::toBytes(refused))
         && ok;

    // The catalogue: the sample the program ships, and products written by the program.
    const QDir cat(root.filePath(QStringLiteral("catalogue")));
    ok = write(cat, QStringLiteral("sample"), readAll(catalogue)) && ok;
    vendara::Products writer(table);
    writer.setCount(3);
    const QString written = cat.filePath(QStringLiteral("written"));
    ok = writer.WriteProds(written).ok() && ok;

    // The registry file, in each encoding and with every kind of line.
    const QDir reg(root.filePath(QStringLiteral("registry")));
    const QString body =
        registry::RegistryFile::header()
        + QStringLiteral("[HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\Core]\r\n")
        + registry::RegistryFile::stringLine(QStringLiteral("Path"),
                                             QStringLiteral("C:\\Palm \"x\""))
        + QStringLiteral("\r\n\r\n[HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot "
                         "Desktop\\HotSync Manager]\r\n")
        + registry::RegistryFile::dwordLine(QStringLiteral("Install3"), 1)
        + QStringLiteral("\r\n\"Blob\"=hex:01,02,\\\r\n  03,04\r\n\"Gone\"=-\r\n; a comment\r\n"
                         "[-HKEY_CURRENT_USER\\Software\\Old]\r\n");
    ok = write(reg, QStringLiteral("utf8"), body.toUtf8()) && ok;
    ok = write(reg, QStringLiteral("utf16"), utf16.encode(body)) && ok;
    QString old = body;
    old.replace(QStringLiteral("Windows Registry Editor Version 5.00"), QStringLiteral("REGEDIT4"));
    old.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ok = write(reg, QStringLiteral("regedit4"), old.toLatin1()) && ok;

    // QD.INI as the converter writes it.
    dorvane::SavedSettings settings;
    settings.separator = QLatin1Char(';');
    settings.dateFormat = 3;
    settings.timeFormat = 1;
    settings.csvEncoding = QStringLiteral("UTF-8");
    settings.installUser = 2;
    settings.inputPdb = QStringLiteral("/data/in.pdb");
    settings.databaseName = QStringLiteral("Spring = Catalog");
    settings.useQuotes = true;
    ok = write(root.filePath(QStringLiteral("qdini")), QStringLiteral("written"),
               dorvane::SettingsFile::format(settings))
         && ok;

    // users.dat: the count, 12 bytes, then per user its id (2 bytes, low first), 2 bytes, the
    // name and the folder each after a length byte, a byte, the rest of the entry, and the
    // pair 0x01 0x80 before every entry but the first.
    QByteArray users("\x03", 1);
    users.append(12, '\x5A');
    const char *names[][2] = {{"Anna Smith", "SmithA"}, {"Demo", "Demo"}, {"Jos\xE9", "../up"}};
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            users.append("\x01\x80", 2);
        users.append(char(i + 2)).append('\0').append("\0\0", 2);
        users.append(char(qstrlen(names[i][0]))).append(names[i][0]);
        users.append(char(qstrlen(names[i][1]))).append(names[i][1]);
        users.append('\x09').append("\x00\x07\x01\x01\x02", 5);
    }
    ok = write(root.filePath(QStringLiteral("users")), QStringLiteral("three"), users) && ok;

    if (!ok)
        std::fputs("vendara_fuzz_seeds: not every seed could be made\n", stderr);
    return ok ? 0 : 1;
}
