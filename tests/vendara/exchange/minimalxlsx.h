// A small Office Open XML workbook written by hand, for cells a spreadsheet program would
// not save on request: error values, formulas without a saved result, inline strings; and
// zip containers of any content, for damaged workbooks.
#pragma once

// Qt
#include <QByteArray>
#include <QFile>
#include <QString>

// std
#include <utility>
#include <vector>

// libzip
#include <zip.h>

namespace testsupport {

// A zip container holding `entries` (name, bytes) in this order.
inline bool writeZip(const QString &path,
                     const std::vector<std::pair<const char *, QByteArray>> &entries)
{
    int error = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        return false;
    for (const auto &[name, bytes] : entries) {
        zip_source_t *source =
            zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (source == nullptr || zip_file_add(archive, name, source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

// `rows`: the <row> elements of the first worksheet's sheetData. `workbookTarget`: where the
// package's relationship places the workbook part.
inline bool writeMinimalXlsx(const QString &path, const QByteArray &rows,
                             const QByteArray &workbookTarget = "xl/workbook.xml")
{
    const QByteArray rels =
        "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
        "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"http://schemas."
        "openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
        "Target=\""
        + workbookTarget + "\"/></Relationships>";
    const QByteArray workbook =
        "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/"
        "spreadsheetml/2006/main\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/"
        "2006/relationships\"><sheets><sheet name=\"Hand\" sheetId=\"1\" r:id=\"rId7\"/>"
        "</sheets></workbook>";
    const QByteArray workbookRels =
        "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
        "package/2006/relationships\"><Relationship Id=\"rId7\" Type=\"http://schemas."
        "openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
        "Target=\"worksheets/hand.xml\"/></Relationships>";
    const QByteArray sheet = "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas."
                             "openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                             + rows + "</sheetData></worksheet>";
    return writeZip(path, {{"_rels/.rels", rels},
                           {"xl/workbook.xml", workbook},
                           {"xl/_rels/workbook.xml.rels", workbookRels},
                           {"xl/worksheets/hand.xml", sheet}});
}

} // namespace testsupport
