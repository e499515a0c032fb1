#include "exportcommand.h"

#include "exchangetexts.h"
#include "exportfile.h"
#include "spreadsheetfiles.h"

#include "common/prompt/prompter.h"

// Qt
#include <QDir>
#include <QStringList>

namespace vendara {

ExportCommand::ExportCommand(const Table &products, prompt::Prompter &prompter,
                             SpreadsheetFiles &files, WindowSteps steps)
    : mProducts(products)
    , mPrompter(prompter)
    , mFiles(files)
    , mSteps(std::move(steps))
{}

bool ExportCommand::Export()
{
    if (mSteps.showPriceColumn)
        mSteps.showPriceColumn();
    const QString path = mFiles.chooseExportFile();
    if (path.isEmpty())
        return false;
    if (mSteps.endScheduleEdit)
        mSteps.endScheduleEdit();

    common::Status written;
    if (ExportFile::isWorkbookName(path)) {
        written = ExportFile::writeWorkbook(path, mProducts);
    } else {
        QString lost;
        const QByteArray bytes = ExportFile::textBytes(mProducts, &lost);
        if (!lost.isEmpty()) {
            mPrompter.message(texts::exportLosesCharacters(lost), texts::exportQuestionCaption(),
                              prompt::Buttons::Ok, prompt::Icon::Exclamation);
        }
        written = ExportFile::writeText(path, bytes);
    }
    if (!written.ok()) {
        mPrompter.message(texts::exportFailed(QDir::toNativeSeparators(path),
                                              QString::fromLocal8Bit(written.message().c_str())),
                          texts::exportQuestionCaption(), prompt::Buttons::Ok,
                          prompt::Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace vendara
