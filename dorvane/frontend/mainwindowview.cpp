// The converter window's "View .PDB" tab: the file, its view and printout, and the grid.
#include "mainwindow.h"

#include "gridview.h"

// Qt
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvane::ui {

using Field = TMainForm::Field;

QWidget *MainWindow::buildViewPage()
{
    auto *page = new QWidget(this);
    PDBNameField =
        edit(Field::PDBNameField, QStringLiteral("PDBNameField"), QStringLiteral("PDB File Name:"),
             QStringLiteral("Type the name of the file you wish to view or print "
                            "here, and then press 'View Database' or 'Print "
                            "Database'.  You can also press Browse, and select the "
                            "Quirra file to view directly."));
    ByUserButton = button(QStringLiteral("ByUserButton"), QStringLiteral("Browse"), QString());
    ByUserButton->setAccessibleDescription(
        QStringLiteral("Pick a Quirra database of a handheld user and view it"));
    ViewPDBButton = new QToolButton(page);
    ViewPDBButton->setObjectName(QStringLiteral("ViewPDBButton"));
    ViewPDBButton->setText(QStringLiteral("View Database"));
    ViewPDBButton->setAccessibleName(QStringLiteral("View Database"));
    ViewPDBButton->setToolTip(
        QStringLiteral("Press this button to view the database selected to the left."));
    PrintDatabaseButton = new QToolButton(page);
    PrintDatabaseButton->setObjectName(QStringLiteral("PrintDatabaseButton"));
    PrintDatabaseButton->setText(QStringLiteral("Print Database"));
    PrintDatabaseButton->setAccessibleName(QStringLiteral("Print Database"));
    PrintDatabaseButton->setToolTip(QStringLiteral("Press this button to Print out the Quirra "
                                                   "database file (.PDB) to your printer (if "
                                                   "connected)."));
    for (QToolButton *b : {ViewPDBButton, PrintDatabaseButton}) {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setMinimumHeight(28);
        b->setMinimumWidth(110);
    }
    ViewPDBButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    PrintDatabaseButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Fixed1stColumn = checkBox(Field::Fixed1stColumn, QStringLiteral("Fixed1stColumn"),
                              QStringLiteral("Fixed 1st Column"), QString());
    StringGrid1 = new GridView(page);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Records"));
    StringGrid1->setGridModel(&mForm.grid());
    StringGrid1->setRowHeight(qMax(16, StringGrid1->fontMetrics().height() + 4));

    auto *top = new QHBoxLayout;
    top->addWidget(labelFor(PDBNameField, QStringLiteral("PDB File Name:"), page));
    top->addWidget(PDBNameField, 1);
    top->addWidget(ByUserButton);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ViewPDBButton);
    buttons->addWidget(PrintDatabaseButton);
    buttons->addStretch(1);
    buttons->addWidget(Fixed1stColumn);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 10, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(StringGrid1, 1);

    connect(ByUserButton, &QPushButton::clicked, &mForm, &TMainForm::ByUserButtonClick);
    connect(ViewPDBButton, &QToolButton::clicked, &mForm, &TMainForm::ViewPDBButtonClick);
    connect(PrintDatabaseButton, &QToolButton::clicked, &mForm,
            &TMainForm::PrintDatabaseButtonClick);
    return page;
}

} // namespace dorvane::ui
