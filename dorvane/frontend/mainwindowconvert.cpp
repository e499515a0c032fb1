// The converter window's two convert tabs, "Convert .PDB To .CSV" and "Convert .CSV To .PDB".
#include "mainwindow.h"

#include "texts.h"
#include "typinglimit.h"

// Qt
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dorvane::ui {

using Field = TMainForm::Field;

QWidget *MainWindow::buildToCsvPage()
{
    auto *page = new QWidget(this);
    PDBFileName = edit(Field::PDBFileName, QStringLiteral("PDBFileName"),
                       QStringLiteral("Input File (.PDB)"), texts::kInputHint);
    CSVFileName = edit(Field::CSVFileName, QStringLiteral("CSVFileName"),
                       QStringLiteral("Output File (.CSV)"), texts::kOutputHint);
    BrowsePDB = button(QStringLiteral("BrowsePDB"), QStringLiteral("Browse"),
                       QStringLiteral("Press this button to search your computer for the file "
                                      "name of the input file."));
    BrowseCSV = button(QStringLiteral("BrowseCSV"), QStringLiteral("Browse"),
                       QStringLiteral("Press this button to search your computer for the file "
                                      "name of the output file."));
    UseQuotes = checkBox(Field::UseQuotes, QStringLiteral("UseQuotes"),
                         QStringLiteral("Place Quotes around each Field"),
                         QStringLiteral("Check this option if you would like each entry in the "
                                        "output .CSV file to have a set of quotes around it "
                                        "(\"\")"));
    FirstRecordFieldNames = checkBox(
        Field::FirstRecordFieldNames, QStringLiteral("FirstRecordFieldNames"),
        QStringLiteral("Create First Line with Field Names"),
        QStringLiteral("Check this option if you would like the first line of the output .CSV "
                       "file to have a line preceeding the actual data containing the Names of "
                       "each field."));
    ToCSVButton = button(QStringLiteral("ToCSVButton"), QStringLiteral("Convert To .CSV"),
                         QStringLiteral("Press this button to create a Comma Space Value File "
                                        "(.CSV) from the input file specified above."));
    makeLarge(ToCSVButton);

    auto *files = new QGridLayout;
    files->setHorizontalSpacing(8);
    files->addWidget(labelFor(PDBFileName, QStringLiteral("Input File (.PDB)"), page), 0, 0);
    files->addWidget(PDBFileName, 0, 1);
    files->addWidget(BrowsePDB, 0, 2);
    files->addWidget(labelFor(CSVFileName, QStringLiteral("Output File (.CSV)"), page), 1, 0);
    files->addWidget(CSVFileName, 1, 1);
    files->addWidget(BrowseCSV, 1, 2);

    auto *options = new QGroupBox(QStringLiteral("Options"), page);
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(UseQuotes);
    optionsLayout->addWidget(FirstRecordFieldNames);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(instruction(QStringLiteral("First, choose your input Quirra database file "
                                                 "(.PDB), and your output Comma Space Value "
                                                 "file (.CSV)."),
                                  page));
    layout->addLayout(files);
    layout->addSpacing(4);
    layout->addWidget(instruction(QStringLiteral("Next, choose your options and press the "
                                                 "'Convert To .CSV' button."),
                                  page));
    layout->addWidget(options);
    layout->addStretch(1);
    layout->addWidget(ToCSVButton, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(BrowsePDB, &QPushButton::clicked, &mForm, &TMainForm::BrowsePDBClick);
    connect(BrowseCSV, &QPushButton::clicked, &mForm, &TMainForm::BrowseCSVClick);
    connect(ToCSVButton, &QPushButton::clicked, &mForm, &TMainForm::ToCSVButtonClick);
    return page;
}

QWidget *MainWindow::buildToPdbPage()
{
    auto *page = new QWidget(this);
    CSVFileName2 = edit(Field::CSVFileName2, QStringLiteral("CSVFileName2"),
                        QStringLiteral("Input File (.CSV)"), texts::kInputHint);
    PDBFileName2 = edit(Field::PDBFileName2, QStringLiteral("PDBFileName2"),
                        QStringLiteral("Output file (.PDB)"), texts::kOutputHint);
    BrowseCSV2 = button(QStringLiteral("BrowseCSV2"), QStringLiteral("Browse"), QString());
    BrowseCSV2->setAccessibleDescription(QStringLiteral("Search for the Input File (.CSV)"));
    BrowsePDB2 = button(QStringLiteral("BrowsePDB2"), QStringLiteral("Browse"), QString());
    BrowsePDB2->setAccessibleDescription(QStringLiteral("Search for the Output file (.PDB)"));
    DatabaseName =
        edit(Field::DatabaseName, QStringLiteral("DatabaseName"), QStringLiteral("Database Name"),
             QStringLiteral("Enter the name you would like for the Database as viewed under "
                            "Quirra on your PalmPilot.  Be careful not to accidentally choose a "
                            "name that will overwrite a database or program on your "
                            "PalmPilot!"));
    mNameLimit = new TypingLimit(19, DatabaseName);
    DatabaseName->setValidator(mNameLimit);
    AutoInstallCheck = checkBox(Field::AutoInstallCheck, QStringLiteral("AutoInstallCheck"),
                                QStringLiteral("Automatically Install To User:"),
                                QStringLiteral("Check this box if you would like the output "
                                               "file to also be installed on the next hotsync "
                                               "to a specific user."));
    PDBUsers =
        list(Field::PDBUsers, QStringLiteral("PDBUsers"),
             QStringLiteral("Automatically Install To User:"),
             QStringLiteral("Select a User from the install users on your Palm Desktop"), {});
    PDBUsers->setMinimumContentsLength(18);
    HasFieldNames = checkBox(Field::HasFieldNames, QStringLiteral("HasFieldNames"),
                             QStringLiteral("Input (.CSV) File has Field Names as first Line of "
                                            "File"),
                             QStringLiteral("Check this box if the input (.CSV) file has the "
                                            "database field names as it's first line.  UnCheck "
                                            "the box if it does not."));
    auto *group = new QGroupBox(QStringLiteral("When Creating Database:"), page);
    group->setAccessibleName(QStringLiteral("When Creating Database:"));
    CreateTextFields = new QRadioButton(QStringLiteral("Create all fields as Text Fields"), group);
    CreateTextFields->setObjectName(QStringLiteral("CreateTextFields"));
    CreateTextFields->setAccessibleName(CreateTextFields->text());
    CreateTextFields->setToolTip(QStringLiteral(
        "Select this to create a new Quirra database that has each field defined as a text "
        "field.  You can then change the field types on the Palm device once it is loaded "
        "using Quirra."));
    UsePDBFile =
        new QRadioButton(QStringLiteral("Use existing .PDB File's Field Information"), group);
    UsePDBFile->setObjectName(QStringLiteral("UsePDBFile"));
    UsePDBFile->setAccessibleName(UsePDBFile->text());
    UsePDBFile->setToolTip(QStringLiteral(
        "Select this option if you already have a (Quirra) .PDB file for this data, and you "
        "would like for the field types, Popups, etc, to be used from that existing file."));
    mFieldWidgets.insert(int(Field::UsePDBFile), UsePDBFile);
    PDBFileForInfo = edit(Field::PDBFileForInfo, QStringLiteral("PDBFileForInfo"),
                          QStringLiteral(".PDB File To Use:"), QString());
    EnterPDBFileName = labelFor(PDBFileForInfo, QStringLiteral(".PDB File To Use:"), group);
    EnterPDBFileName->setObjectName(QStringLiteral("EnterPDBFileName"));
    BrowsePDBFileToUse =
        button(QStringLiteral("BrowsePDBFileToUse"), QStringLiteral("Br&owse"), QString());
    BrowsePDBFileToUse->setAccessibleDescription(QStringLiteral("Search for the .PDB File To Use"));
    ToPDBButton = button(QStringLiteral("ToPDBButton"), QStringLiteral("Convert To .PDB"),
                         QStringLiteral("Press this button to create a Quirra Database (.PDB) "
                                        "file from the input data (.CSV)."));
    makeLarge(ToPDBButton);

    auto *files = new QGridLayout;
    files->setHorizontalSpacing(8);
    files->setVerticalSpacing(6);
    files->addWidget(labelFor(CSVFileName2, QStringLiteral("Input File (.CSV)"), page), 0, 0);
    files->addWidget(CSVFileName2, 0, 1, 1, 2);
    files->addWidget(BrowseCSV2, 0, 3);
    files->addWidget(labelFor(PDBFileName2, QStringLiteral("Output file (.PDB)"), page), 1, 0);
    files->addWidget(PDBFileName2, 1, 1, 1, 2);
    files->addWidget(BrowsePDB2, 1, 3);
    files->addWidget(labelFor(DatabaseName, QStringLiteral("Database Name"), page), 2, 0);
    files->addWidget(DatabaseName, 2, 1);
    files->setColumnStretch(1, 3);
    files->setColumnStretch(2, 2);

    auto *install = new QHBoxLayout;
    install->addWidget(AutoInstallCheck);
    install->addWidget(PDBUsers);
    install->addStretch(1);

    auto *fileToUse = new QHBoxLayout;
    fileToUse->setContentsMargins(22, 0, 0, 0);
    fileToUse->addWidget(EnterPDBFileName);
    fileToUse->addWidget(PDBFileForInfo, 1);
    fileToUse->addWidget(BrowsePDBFileToUse);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->setSpacing(4);
    groupLayout->addWidget(CreateTextFields);
    groupLayout->addWidget(UsePDBFile);
    groupLayout->addLayout(fileToUse);
    // Keep the group's height while the file controls come and go.
    auto *placeholder = new QWidget(group);
    placeholder->setFixedHeight(0);
    groupLayout->addWidget(placeholder);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 10, 16, 8);
    layout->setSpacing(6);
    layout->addWidget(instruction(QStringLiteral("First specify your Input file (.CSV) , your "
                                                 "Output Database File (.PDB), and the "
                                                 "Database name to be shown on the PalmPilot."),
                                  page));
    layout->addLayout(files);
    layout->addWidget(instruction(QStringLiteral("Next, Choose your options, and press the "
                                                 "'Convert To .PDB' Button."),
                                  page));
    layout->addLayout(install);
    layout->addWidget(HasFieldNames);
    layout->addWidget(group);
    layout->addStretch(1);
    layout->addWidget(ToPDBButton, 0, Qt::AlignHCenter);

    // The file controls keep their place while hidden, so the page does not jump.
    for (QWidget *w :
         {static_cast<QWidget *>(EnterPDBFileName), static_cast<QWidget *>(PDBFileForInfo),
          static_cast<QWidget *>(BrowsePDBFileToUse)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    connect(BrowseCSV2, &QPushButton::clicked, &mForm, &TMainForm::BrowseCSV2Click);
    connect(BrowsePDB2, &QPushButton::clicked, &mForm, &TMainForm::BrowsePDB2Click);
    connect(BrowsePDBFileToUse, &QPushButton::clicked, &mForm, &TMainForm::BrowsePDBFileToUseClick);
    connect(CreateTextFields, &QRadioButton::clicked, &mForm, &TMainForm::CreateTextFieldsClick);
    connect(UsePDBFile, &QRadioButton::clicked, &mForm, &TMainForm::UsePDBFileClick);
    connect(ToPDBButton, &QPushButton::clicked, &mForm, &TMainForm::ToPDBButtonClick);
    return page;
}

} // namespace dorvane::ui
