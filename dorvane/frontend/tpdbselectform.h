// The database picker: a handheld user's backup folder listed as a grid of the Quirra
// databases in it, or any file chosen with "Browse Files". Created once; its grid and the
// chosen row stay for the next showing.
#pragma once

#include "formdialogs.h"
#include "stringgridmodel.h"

#include "dorvane/convert/conversionsettings.h"

// Qt
#include <QDialog>

class QComboBox;
class QPushButton;
class QStatusBar;

namespace prompt {
class Prompter;
}

namespace dorvane {
class TUserData;
}

namespace dorvane::ui {

class GridView;

class TPDBSelectForm : public QDialog
{
    Q_OBJECT

public:
    // `settings` gives the current date and time formats of the "Last Modified" column.
    TPDBSelectForm(const TUserData &users, prompt::Prompter &prompter,
                   const convert::ConversionSettings &settings, QWidget *parent = nullptr);

    // Shows the picker modally; what it leaves behind.
    PickerResult pick();

    int SelectedRow = -1;
    QString SelectedFile;

    QComboBox *UsersList = nullptr;
    QPushButton *BrowseFileButton = nullptr;
    GridView *PDBFilesGrid = nullptr;
    QPushButton *SelectPDBButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QStatusBar *StatusBar = nullptr;

    void UsersListChange(int index);
    void PDBFilesGridSelectCell(int row);
    void SelectPDBButtonClick();
    void BrowseFileButtonClick();
    void CancelButtonClick();

    [[nodiscard]] const StringGridModel &grid() const { return mGrid; }

private:
    void showSelectedRow();

    const TUserData &mUsers;
    prompt::Prompter &mPrompter;
    const convert::ConversionSettings &mSettings;
    StringGridModel mGrid;
};

} // namespace dorvane::ui
