#include "spreadsheetfiles.h"

#include "exchangetexts.h"

#include "common/prompt/prompter.h"

// Qt
#include <QDir>
#include <QFileInfo>

namespace vendara {

namespace {

constexpr int kExcelFilesFilter = 3; // "Excel Files (*.xls)"

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
        request.fileName = mFileName.isEmpty() ? QDir(mFolder).filePath(QString()) : mFileName;
        const prompt::FileAnswer answer = mPrompter.file(request);
        if (answer.cancelled())
            return {};
        mFileName = answer.path;
        if (!QFileInfo::exists(mFileName))
            return mFileName;
        if (mPrompter.message(texts::overwriteQuestion(), texts::overwriteCaption(),
                              prompt::Buttons::YesNo, prompt::Icon::Question)
            == prompt::Answer::Yes)
            return mFileName;
    }
}

} // namespace vendara
