#include "tpdbselectform.h"

#include "databasefinder.h"
#include "gridview.h"
#include "texts.h"
#include "tuserdata.h"

#include "common/prompt/prompter.h"

// Qt
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace dorvane::ui {

TPDBSelectForm::TPDBSelectForm(const TUserData &users, prompt::Prompter &prompter,
                               const convert::ConversionSettings &settings, QWidget *parent)
    : QDialog(parent)
    , mUsers(users)
    , mPrompter(prompter)
    , mSettings(settings)
    , mGrid(5)
{
    setObjectName(QStringLiteral("PDBSelectForm"));
    setWindowTitle(texts::kPickerTitle);
    setAccessibleName(texts::kPickerTitle);
    setModal(true);

    UsersList = new QComboBox(this);
    UsersList->setObjectName(QStringLiteral("UsersList"));
    UsersList->setAccessibleName(QStringLiteral("Select A User"));
    UsersList->addItems(mUsers.userNames());
    UsersList->setCurrentIndex(-1);
    UsersList->setMinimumContentsLength(20);
    BrowseFileButton = new QPushButton(QStringLiteral("Browse Files"), this);
    BrowseFileButton->setObjectName(QStringLiteral("BrowseFileButton"));
    BrowseFileButton->setAccessibleName(QStringLiteral("Browse Files"));
    BrowseFileButton->setAutoDefault(false);

    mGrid.setHeaders(databaseListHeaders(), databaseListWidths());
    PDBFilesGrid = new GridView(this);
    PDBFilesGrid->setObjectName(QStringLiteral("PDBFilesGrid"));
    PDBFilesGrid->setAccessibleName(QStringLiteral("Quirra Databases"));
    QFont bold = PDBFilesGrid->font();
    bold.setBold(true);
    PDBFilesGrid->setFont(bold);
    PDBFilesGrid->setGridModel(&mGrid);
    PDBFilesGrid->setRowHeight(qMax(20, PDBFilesGrid->fontMetrics().height() + 4));

    SelectPDBButton = new QPushButton(QStringLiteral("Select PDB"), this);
    SelectPDBButton->setObjectName(QStringLiteral("SelectPDBButton"));
    SelectPDBButton->setAccessibleName(QStringLiteral("Select PDB"));
    SelectPDBButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAccessibleName(QStringLiteral("Cancel"));
    CancelButton->setAutoDefault(false);
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    // A screen reader reads the search's progress as the bar's name.
    StatusBar->setAccessibleDescription(QStringLiteral("Status"));
    connect(StatusBar, &QStatusBar::messageChanged, StatusBar,
            [this](const QString &message) { StatusBar->setAccessibleName(message); });
    StatusBar->setSizeGripEnabled(false);

    auto *top = new QHBoxLayout;
    auto *userLabel = new QLabel(QStringLiteral("Select A User"), this);
    userLabel->setBuddy(UsersList);
    top->addWidget(userLabel);
    top->addWidget(UsersList);
    top->addSpacing(24);
    top->addWidget(new QLabel(QStringLiteral("Or:"), this));
    top->addWidget(BrowseFileButton);
    top->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SelectPDBButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 0);
    layout->addLayout(top);
    layout->addWidget(PDBFilesGrid, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar);
    // The five columns at the width of this font, with room for the grid's frame.
    int columns = 0;
    for (int width : databaseListWidths())
        columns += PDBFilesGrid->scaled(width);
    resize(qMax(542, columns + 50), qMax(348, int(348 * PDBFilesGrid->scaled(100) / 100.0)));

    connect(UsersList, &QComboBox::activated, this, &TPDBSelectForm::UsersListChange);
    connect(PDBFilesGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    PDBFilesGridSelectCell(current.row() + 1);
            });
    connect(PDBFilesGrid, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) {
                PDBFilesGridSelectCell(index.row() + 1);
                SelectPDBButtonClick();
            });
    connect(SelectPDBButton, &QPushButton::clicked, this, &TPDBSelectForm::SelectPDBButtonClick);
    connect(BrowseFileButton, &QPushButton::clicked, this, &TPDBSelectForm::BrowseFileButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TPDBSelectForm::CancelButtonClick);
}

PickerResult TPDBSelectForm::pick()
{
    showSelectedRow();
    const bool ok = exec() == QDialog::Accepted;
    return {ok, SelectedRow, SelectedFile};
}

void TPDBSelectForm::UsersListChange(int index)
{
    StatusBar->showMessage(texts::kClearingList);
    mGrid.clearRows();
    StatusBar->showMessage(texts::kSearching);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const std::vector<DatabaseEntry> entries = FindDatabaseFiles(mUsers.backupFolder(index));
    if (entries.empty()) {
        StatusBar->showMessage(texts::kNoDatabasesFound);
        mGrid.setRows(1, {});
        showSelectedRow();
        return;
    }
    const pdb::TextFormats formats = mSettings.textFormats();
    std::vector<QString> cells;
    cells.reserve(entries.size() * 5);
    for (const DatabaseEntry &entry : entries) {
        for (const QString &cell : databaseEntryCells(entry, formats))
            cells.push_back(cell);
    }
    mGrid.setRows(int(entries.size()), std::move(cells));
    showSelectedRow();
}

// The grid keeps its chosen row across a new search, as the row that "Select PDB" takes.
void TPDBSelectForm::showSelectedRow()
{
    const int row = SelectedRow - 1;
    if (row >= 0 && row < mGrid.rowCount())
        PDBFilesGrid->selectRow(row);
    else
        PDBFilesGrid->clearSelection();
}

void TPDBSelectForm::PDBFilesGridSelectCell(int row)
{
    SelectedRow = row;
}

void TPDBSelectForm::SelectPDBButtonClick()
{
    if (SelectedRow <= 0) {
        SelectedRow = -1;
        return;
    }
    const QString file = mGrid.cell(SelectedRow - 1, 3);
    // The empty row left by a search that found nothing is no choice.
    if (file.isEmpty())
        return;
    SelectedFile = file;
    accept();
}

void TPDBSelectForm::BrowseFileButtonClick()
{
    prompt::FileRequest request;
    request.mode = prompt::FileRequest::Mode::Open;
    request.filter = texts::kPdbFilter;
    request.defaultExtension = texts::kPdbExtension;
    request.fileName = SelectedFile;
    request.mustExist = true;
    const prompt::FileAnswer answer = mPrompter.file(request);
    if (answer.cancelled())
        return;
    SelectedFile = answer.path;
    SelectedRow = 0;
    accept();
}

void TPDBSelectForm::CancelButtonClick()
{
    SelectedRow = -1;
    reject();
}

} // namespace dorvane::ui
