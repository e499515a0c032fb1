#include "updateform.h"

#include "exchangetexts.h"

#include "common/prompt/prompter.h"

namespace vendara {

UpdateForm::UpdateForm(Products &products, prompt::Prompter &prompter, QString workbookPath)
    : mProducts(products)
    , mPrompter(prompter)
    , mPath(std::move(workbookPath))
{
    mSelection.fill(-1);
}

void UpdateForm::notAWorkbook(int errorNumber, const QString &detail)
{
    mPrompter.message({texts::notAnExcelFile(), texts::errorNumberCaption(errorNumber),
                       prompt::Buttons::Ok, prompt::Icon::Exclamation, detail});
}

bool UpdateForm::loadsheet(Workbook::OpenResult opened)
{
    mHeadings.clear();
    mSelection.fill(-1);
    mSheet.reset();
    if (!opened.workbook) {
        if (opened.errorNumber != Workbook::kCancelled)
            notAWorkbook(opened.errorNumber, opened.detail);
        return false;
    }
    const UpdateFields::Headings headings = UpdateFields::readHeadings(*opened.workbook);
    if (!headings.readable) {
        notAWorkbook(13); // a heading that is no value: a type mismatch
        return false;
    }
    mHeadings = headings.texts;
    mSheet = std::move(opened.workbook);
    for (int list = 0; list < UpdateFields::kListCount; ++list) {
        const int position = UpdateFields::preselection(list, mHeadings);
        mSelection[std::size_t(list)] = position;
    }
    // Lists without a preselection start on "Skip Field".
    for (int list = 0; list < UpdateFields::kListCount; ++list) {
        if (!UpdateFields::isRequired(list) && mSelection[std::size_t(list)] < 0)
            mSelection[std::size_t(list)] = 0;
    }
    return true;
}

QStringList UpdateForm::entries(int list) const
{
    return UpdateFields::entries(list, mHeadings);
}

void UpdateForm::select(int list, int position)
{
    if (list < 0 || list >= UpdateFields::kListCount)
        return;
    const int count = int(entries(list).size());
    mSelection[std::size_t(list)] = position >= 0 && position < count ? position : -1;
}

void UpdateForm::clickAdd()
{
    mSelection[1] = -1;
}

std::unique_ptr<SpreadsheetImport> UpdateForm::start()
{
    if (mSelection[0] < 0 || mSelection[1] < 0) {
        mPrompter.message(texts::missingRequiredFields(), texts::inputErrorCaption(),
                          prompt::Buttons::Ok);
        return nullptr;
    }
    if (!mSheet)
        return nullptr;
    std::array<QChar, UpdateFields::kListCount> letters;
    for (int list = 0; list < UpdateFields::kListCount; ++list)
        letters[std::size_t(list)] = UpdateFields::letter(list, mSelection[std::size_t(list)]);
    return std::make_unique<SpreadsheetImport>(mProducts, mPrompter,
                                               std::make_unique<Workbook>(*mSheet), letters,
                                               mIgnoreFirstRow ? 2 : 1);
}

QString UpdateForm::progressCaption(const QString &caption, int rowCounter)
{
    if (caption != texts::pleaseWait())
        return texts::pleaseWait();
    return texts::productsAnalyzed(rowCounter);
}

} // namespace vendara
