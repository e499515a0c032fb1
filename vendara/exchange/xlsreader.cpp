#include "xlsreader.h"

#include "biffcheck.h"
#include "biffsheetscan.h"
#include "compoundfile.h"

// Qt
#include <QFile>

// FreeXL
#include <freexl.h>

namespace vendara {

namespace {

class FreeXlHandle
{
public:
    explicit FreeXlHandle(const QString &path)
    {
        mStatus = freexl_open(QFile::encodeName(path).constData(), &mHandle);
    }
    ~FreeXlHandle()
    {
        if (mHandle != nullptr)
            freexl_close(mHandle);
    }
    FreeXlHandle(const FreeXlHandle &) = delete;
    FreeXlHandle &operator=(const FreeXlHandle &) = delete;

    // FreeXL 1.0.6 can answer FREEXL_OK without a handle after it gave up on a damaged file.
    [[nodiscard]] bool ok() const { return mStatus == FREEXL_OK && mHandle != nullptr; }
    [[nodiscard]] int status() const { return mStatus; }
    [[nodiscard]] const void *get() const { return mHandle; }

private:
    const void *mHandle = nullptr;
    int mStatus = FREEXL_OK;
};

SheetCell fromFreeXl(const FreeXL_CellValue &value)
{
    switch (value.type) {
    case FREEXL_CELL_INT:
        return SheetCell::number(double(value.value.int_value));
    case FREEXL_CELL_DOUBLE:
        return SheetCell::number(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return SheetCell::text(QString::fromUtf8(value.value.text_value));
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return SheetCell::date(QString::fromUtf8(value.value.text_value));
    default:
        return {};
    }
}

} // namespace

Workbook::OpenResult XlsReader::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Workbook::failure(Workbook::kCannotOpen, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Workbook::failure(Workbook::kCannotRead, file.errorString());
    file.close();

    const auto container = CompoundFile::parse(std::move(bytes));
    if (!container)
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the compound document is damaged"));
    auto stream = container->stream(QStringLiteral("Workbook"));
    if (!stream)
        stream = container->stream(QStringLiteral("Book"));
    if (!stream)
        return Workbook::failure(Workbook::kNotAWorkbook, QStringLiteral("no workbook stream"));
    // FreeXL trusts the lengths inside the records: only a stream whose records fit is
    // given to it.
    if (!BiffCheck::wellFormed(*stream))
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the workbook's records are damaged"));

    const FreeXlHandle xls(path);
    if (!xls.ok())
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("FreeXL cannot read it (%1)").arg(xls.status()));
    unsigned int password = 0;
    if (freexl_get_info(xls.get(), FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK
        && password == FREEXL_BIFF_OBFUSCATED)
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the workbook is protected by a password"));
    const char *sheetName = nullptr;
    if (freexl_get_worksheet_name(xls.get(), 0, &sheetName) != FREEXL_OK
        || freexl_select_active_worksheet(xls.get(), 0) != FREEXL_OK)
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the workbook has no worksheet"));
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(xls.get(), &rows, &columns) != FREEXL_OK)
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the worksheet's size cannot be read"));

    const auto extra = BiffSheetScan::scan(*stream, QString::fromUtf8(sheetName));
    if (!extra)
        return Workbook::failure(Workbook::kNotAWorkbook,
                                 QStringLiteral("the worksheet's records are damaged"));

    Workbook::OpenResult result;
    result.workbook = std::make_unique<Workbook>();
    Workbook &sheet = *result.workbook;
    const unsigned int lastRow = std::min<unsigned int>(rows, Workbook::kMaxRows);
    const unsigned short lastColumn = std::min<unsigned short>(columns, Workbook::kMaxColumns);
    for (unsigned int r = 0; r < lastRow; ++r) {
        for (unsigned short c = 0; c < lastColumn; ++c) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(xls.get(), r, c, &value) == FREEXL_OK)
                sheet.setCell(int(r) + 1, int(c) + 1, fromFreeXl(value));
        }
    }
    for (const auto &[at, value] : *extra)
        sheet.setCell(at.first + 1, at.second + 1, value);
    return result;
}

} // namespace vendara
