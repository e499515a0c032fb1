#include "spreadsheetfiles.h"

#include "exchangetexts.h"

#include "common/prompt/prompter.h"

// Qt
#include <QDir>
#include <QFileInfo>

namespace vendara {

namespace {

constexpr int kExcelFilesFilter = 3;    // "Excel Files (*.xls)"
constexpr int kExcelWorkbookFilter = 4; // "Excel Workbook (*.xlsx)" of the save dialog

// A folder named as a folder: ending with "/", so that nothing takes its last part for a
// file name.
QString asFolder(const QString &folder)
{
    const QString path = QDir(folder).path();
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace

SpreadsheetFiles::SpreadsheetFiles(prompt::Prompter &prompter, QString folder)
    : mPrompter(prompter)
    , mFolder(std::move(folder))
{}

QString SpreadsheetFiles::Getfile()
{
    if (mFileName.isEmpty())
        mFileName = QDir(mFolder).filePath(QStringLiteral("*.xls"));
    prompt::FileRequest request;
    request.mode = prompt::FileRequest::Mode::Open;
    request.filter = texts::openFilter();
    request.filterIndex = kExcelFilesFilter;
    request.fileName = mFileName;
    request.mustExist = true;
    const prompt::FileAnswer answer = mPrompter.file(request);
    // Cancel chooses nothing, even when an earlier dialog chose a file.
    if (answer.cancelled())
        return {};
    mFileName = answer.path;
    return mFileName;
}

QString SpreadsheetFiles::chooseExportFile()
{
    for (;;) {
        prompt::FileRequest request;
        request.mode = prompt::FileRequest::Mode::Save;
        request.filter = texts::exportFilter();
        request.filterIndex = kExcelFilesFilter;
        // The first dialog starts in the folder, with no file name.
        request.fileName = mFileName.isEmpty() ? asFolder(mFolder) : mFileName;
        const prompt::FileAnswer answer = mPrompter.file(request);
        if (answer.cancelled())
            return {};
        mFileName = answer.path;
        // The workbook entry writes a workbook; a name typed without an extension gets its
        // extension, so that the file is one. The other entries leave the name as typed.
        if (answer.filterIndex == kExcelWorkbookFilter && QFileInfo(mFileName).suffix().isEmpty())
            mFileName += QStringLiteral(".xlsx");
        if (!QFileInfo::exists(mFileName))
            return mFileName;
        if (mPrompter.message(texts::overwriteQuestion(), texts::overwriteCaption(),
                              prompt::Buttons::YesNo, prompt::Icon::Question)
            == prompt::Answer::Yes)
            return mFileName;
    }
}

} // namespace vendara
