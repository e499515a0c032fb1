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
    mAction = Action::Add;
    mSelection[1] = -1;
}

std::optional<UpdateForm::Source> UpdateForm::source()
{
    if (mSelection[0] < 0 || mSelection[1] < 0) {
        mPrompter.message(texts::missingRequiredFields(), texts::inputErrorCaption(),
                          prompt::Buttons::Ok);
        return std::nullopt;
    }
    if (!mSheet)
        return std::nullopt;
    Source source{std::make_unique<Workbook>(*mSheet), {}, mIgnoreFirstRow ? 2 : 1};
    for (int list = 0; list < UpdateFields::kListCount; ++list)
        source.letters[std::size_t(list)] =
            UpdateFields::letter(list, mSelection[std::size_t(list)]);
    return std::optional<Source>(std::move(source));
}

std::unique_ptr<SpreadsheetImport> UpdateForm::start()
{
    std::optional<Source> source = this->source();
    if (!source)
        return nullptr;
    return std::make_unique<SpreadsheetImport>(mProducts, mPrompter, std::move(source->sheet),
                                               source->letters, source->firstRow);
}

std::unique_ptr<ImportPlanner> UpdateForm::startUpdate()
{
    std::optional<Source> source = this->source();
    if (!source)
        return nullptr;
    std::array<int, UpdateFields::kListCount> columns{};
    for (int list = 0; list < UpdateFields::kListCount; ++list)
        columns[std::size_t(list)] = UpdateFields::columnOf(source->letters[std::size_t(list)]);
    return std::make_unique<ImportPlanner>(mProducts, std::move(source->sheet), columns,
                                           source->firstRow);
}

ImportRecord UpdateForm::apply(const ImportPlan &plan)
{
    ImportRecord record = ImportRecord::of(plan, mProducts);
    record.apply(mProducts);
    return record;
}

void UpdateForm::reportApplied(const ImportRecord &record)
{
    const int changes = record.addedCount() + record.changedCount();
    if (changes > 0)
        mPrompter.message(texts::changesMade(changes), texts::successCaption(),
                          prompt::Buttons::Ok);
}

QString UpdateForm::progressCaption(const QString &caption, int rowCounter)
{
    if (caption != texts::pleaseWait())
        return texts::pleaseWait();
    return texts::productsAnalyzed(rowCounter);
}

} // namespace vendara
