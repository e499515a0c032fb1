#include "mainwindow.h"

#include "gridview.h"
#include "texts.h"
#include "typinglimit.h"

// Qt
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvane::ui {

namespace {

using Field = TMainForm::Field;
using Page = TMainForm::Page;

const QString kInputHint = QStringLiteral(
    "Type the Input File name here (the file you wish to convert), or press the Browse button "
    "to the right to search your computer for the file name.");
const QString kOutputHint = QStringLiteral(
    "Type the Output File name here (the file you wish to create), or press the Browse button "
    "to the right to search your computer for the file name.");

QLabel *instruction(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setItalic(true);
    label->setFont(font);
    return label;
}

void makeLarge(QPushButton *button)
{
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.35);
    button->setFont(font);
    button->setMinimumSize(220, 40);
}

// The program's picture: a handheld organiser beside a sheet of comma-separated values,
// joined by the two arrows of a conversion.
QPixmap aboutPicture()
{
    QPixmap pixmap(180, 180);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The sheet.
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(106, 22, 62, 80));
    p.setPen(QPen(QColor(40, 100, 170), 2));
    for (int row = 0; row < 6; ++row) {
        const qreal y = 34 + row * 11;
        p.drawLine(QPointF(114, y), QPointF(128, y));
        p.drawLine(QPointF(134, y), QPointF(160, y));
    }

    // The handheld.
    p.setPen(QPen(QColor(50, 50, 50), 2));
    p.setBrush(QColor(120, 130, 140));
    p.drawRoundedRect(QRectF(12, 40, 78, 128), 12, 12);
    p.setBrush(QColor(176, 196, 150));
    p.drawRect(QRectF(22, 52, 58, 66));
    p.setPen(QPen(QColor(60, 70, 50), 1.5));
    for (int row = 0; row < 5; ++row)
        p.drawLine(QPointF(28, 62 + row * 11), QPointF(74, 62 + row * 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 75, 80));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(26 + i * 17, 140), 5, 5);
    p.drawRoundedRect(QRectF(38, 152, 26, 7), 3, 3);

    // The arrows.
    p.setPen(QPen(QColor(200, 90, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath there;
    there.moveTo(90, 120);
    there.quadTo(120, 140, 140, 112);
    p.drawPath(there);
    p.drawLine(QPointF(140, 112), QPointF(128, 116));
    p.drawLine(QPointF(140, 112), QPointF(141, 124));
    QPainterPath back;
    back.moveTo(140, 150);
    back.quadTo(118, 170, 92, 150);
    p.drawPath(back);
    p.drawLine(QPointF(92, 150), QPointF(104, 148));
    p.drawLine(QPointF(92, 150), QPointF(96, 162));
    return pixmap;
}

} // namespace

MainWindow::MainWindow(TMainForm &form, QWidget *parent)
    : QMainWindow(parent)
    , mForm(form)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(texts::kWindowTitle);
    setAccessibleName(texts::kWindowTitle);

    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->setAccessibleName(QStringLiteral("Pages"));
    Pages->addTab(buildToCsvPage(), QStringLiteral("Convert .PDB To .CSV"));
    Pages->addTab(buildToPdbPage(), QStringLiteral("Convert .CSV To .PDB"));
    Pages->addTab(buildViewPage(), QStringLiteral("View .PDB"));
    Pages->addTab(buildPreferencesPage(), QStringLiteral("Preferences"));
    Pages->addTab(buildAboutPage(), QStringLiteral("About"));
    const QStringList pageNames = {QStringLiteral("ToCSV"), QStringLiteral("ToPDB"),
                                   QStringLiteral("ViewPDB"), QStringLiteral("PreferencesSheet"),
                                   QStringLiteral("AboutSheet")};
    for (int i = 0; i < Pages->count(); ++i) {
        Pages->widget(i)->setObjectName(pageNames.at(i));
        Pages->widget(i)->setAccessibleName(Pages->tabText(i));
    }
    setCentralWidget(Pages);

    StatusBar = new QLabel(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setAccessibleName(QStringLiteral("Status"));
    StatusBar->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(StatusBar, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(Pages, &QTabWidget::currentChanged, this,
            [this](int index) { mForm.setPage(Page(index)); });
    connect(&mForm, &TMainForm::fieldChanged, this, &MainWindow::showField);
    connect(&mForm, &TMainForm::pageChanged, this, &MainWindow::showPage);
    connect(&mForm, &TMainForm::statusShown, this, &MainWindow::showStatus);
    connect(&mForm, &TMainForm::progressShown, this, &MainWindow::showStatus);

    resize(601, 432 + statusBar()->sizeHint().height());
}

QLineEdit *MainWindow::edit(Field field, const QString &name, const QString &label,
                            const QString &hint)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(name);
    e->setAccessibleName(label);
    e->setToolTip(hint);
    mFieldWidgets.insert(int(field), e);
    connect(e, &QLineEdit::textEdited, this,
            [this, field](const QString &text) { mForm.setText(field, text); });
    return e;
}

QCheckBox *MainWindow::checkBox(Field field, const QString &name, const QString &caption,
                                const QString &hint)
{
    auto *c = new QCheckBox(caption, this);
    c->setObjectName(name);
    c->setAccessibleName(caption);
    c->setToolTip(hint);
    mFieldWidgets.insert(int(field), c);
    connect(c, &QCheckBox::clicked, this, [this, field](bool on) {
        if (field == Field::AutoInstallCheck)
            mForm.AutoInstallCheckClick(on);
        else if (field == Field::Fixed1stColumn)
            mForm.Fixed1stColumnClick(on);
        else
            mForm.setChecked(field, on);
    });
    return c;
}

QComboBox *MainWindow::list(Field field, const QString &name, const QString &label,
                            const QString &hint, const QStringList &entries)
{
    auto *c = new QComboBox(this);
    c->setObjectName(name);
    c->setAccessibleName(label);
    c->setToolTip(hint);
    c->addItems(entries);
    mFieldWidgets.insert(int(field), c);
    connect(c, &QComboBox::activated, this,
            [this, field](int index) { mForm.setSelection(field, index); });
    return c;
}

QPushButton *MainWindow::button(const QString &name, const QString &caption, const QString &hint)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QWidget *MainWindow::buildToCsvPage()
{
    auto *page = new QWidget(this);
    PDBFileName = edit(Field::PDBFileName, QStringLiteral("PDBFileName"),
                       QStringLiteral("Input File (.PDB)"), kInputHint);
    CSVFileName = edit(Field::CSVFileName, QStringLiteral("CSVFileName"),
                       QStringLiteral("Output File (.CSV)"), kOutputHint);
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
    BrowsePDB->setAccessibleName(QStringLiteral("Browse Input File (.PDB)"));
    BrowseCSV->setAccessibleName(QStringLiteral("Browse Output File (.CSV)"));

    auto *files = new QGridLayout;
    files->setHorizontalSpacing(8);
    files->addWidget(new QLabel(QStringLiteral("Input File (.PDB)"), page), 0, 0);
    files->addWidget(PDBFileName, 0, 1);
    files->addWidget(BrowsePDB, 0, 2);
    files->addWidget(new QLabel(QStringLiteral("Output File (.CSV)"), page), 1, 0);
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
                        QStringLiteral("Input File (.CSV)"), kInputHint);
    PDBFileName2 = edit(Field::PDBFileName2, QStringLiteral("PDBFileName2"),
                        QStringLiteral("Output file (.PDB)"), kOutputHint);
    BrowseCSV2 = button(QStringLiteral("BrowseCSV2"), QStringLiteral("Browse"), QString());
    BrowseCSV2->setAccessibleName(QStringLiteral("Browse Input File (.CSV)"));
    BrowsePDB2 = button(QStringLiteral("BrowsePDB2"), QStringLiteral("Browse"), QString());
    BrowsePDB2->setAccessibleName(QStringLiteral("Browse Output file (.PDB)"));
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
    EnterPDBFileName = new QLabel(QStringLiteral(".PDB File To Use:"), group);
    EnterPDBFileName->setObjectName(QStringLiteral("EnterPDBFileName"));
    PDBFileForInfo = edit(Field::PDBFileForInfo, QStringLiteral("PDBFileForInfo"),
                          QStringLiteral(".PDB File To Use:"), QString());
    BrowsePDBFileToUse =
        button(QStringLiteral("BrowsePDBFileToUse"), QStringLiteral("Br&owse"), QString());
    BrowsePDBFileToUse->setAccessibleName(QStringLiteral("Browse .PDB File To Use:"));
    ToPDBButton = button(QStringLiteral("ToPDBButton"), QStringLiteral("Convert To .PDB"),
                         QStringLiteral("Press this button to create a Quirra Database (.PDB) "
                                        "file from the input data (.CSV)."));
    makeLarge(ToPDBButton);

    auto *files = new QGridLayout;
    files->setHorizontalSpacing(8);
    files->setVerticalSpacing(6);
    files->addWidget(new QLabel(QStringLiteral("Input File (.CSV)"), page), 0, 0);
    files->addWidget(CSVFileName2, 0, 1, 1, 2);
    files->addWidget(BrowseCSV2, 0, 3);
    files->addWidget(new QLabel(QStringLiteral("Output file (.PDB)"), page), 1, 0);
    files->addWidget(PDBFileName2, 1, 1, 1, 2);
    files->addWidget(BrowsePDB2, 1, 3);
    files->addWidget(new QLabel(QStringLiteral("Database Name"), page), 2, 0);
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
    ByUserButton->setAccessibleName(QStringLiteral("Browse PDB File Name:"));
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
    top->addWidget(new QLabel(QStringLiteral("PDB File Name:"), page));
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

QWidget *MainWindow::buildPreferencesPage()
{
    auto *page = new QWidget(this);
    DateFormat =
        list(Field::DateFormat, QStringLiteral("DateFormat"), QStringLiteral("Date Format"),
             QStringLiteral("Choose the format that the dates are in when converting to "
                            "and from .CSV files."),
             texts::kDateFormats);
    TimeFormat =
        list(Field::TimeFormat, QStringLiteral("TimeFormat"), QStringLiteral("Time Format"),
             QStringLiteral("Choose the format that the times are in when converting to "
                            "and from .CSV files."),
             texts::kTimeFormats);
    CSVSeparator = edit(Field::CSVSeparator, QStringLiteral("CSVSeparator"),
                        QStringLiteral(".CSV Separator Symbol"),
                        QStringLiteral("Choose the character that separates entries in the .CSV "
                                       "files.  This is usually set to be a comma (,), or in some "
                                       "cases a semi-colon (;)."));
    CSVSeparator->setMaxLength(1);
    CSVSeparator->setFixedWidth(CSVSeparator->fontMetrics().horizontalAdvance(QLatin1Char('W'))
                                * 3);
    CSVSeparator->setAlignment(Qt::AlignCenter);
    CsvEncoding =
        list(Field::CsvEncoding, QStringLiteral("CsvEncoding"), QStringLiteral("CSV Text Encoding"),
             QStringLiteral("Choose how the letters of the .CSV files are stored: "
                            "Windows-1252 as on the handheld and in older programs, or "
                            "UTF-8, which holds every character."),
             texts::kCsvEncodings);

    auto *box = new QGroupBox(QStringLiteral("Preferences"), page);
    auto *form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(12);
    form->addRow(QStringLiteral("Date Format"), DateFormat);
    form->addRow(QStringLiteral("Time Format"), TimeFormat);
    form->addRow(QStringLiteral(".CSV Separator Symbol"), CSVSeparator);
    form->addRow(QStringLiteral("CSV Text Encoding"), CsvEncoding);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 20, 24, 12);
    layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

QWidget *MainWindow::buildAboutPage()
{
    auto *page = new QWidget(this);
    auto *picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("AboutPicture"));
    picture->setAccessibleName(QStringLiteral("Quirra Desktop picture"));
    picture->setPixmap(aboutPicture());

    auto *panel = new QFrame(page);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto *title = new QLabel(texts::kWindowTitle, panel);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *version =
        new QLabel(QStringLiteral("Version %1").arg(QApplication::applicationVersion()), panel);
    version->setObjectName(QStringLiteral("VersionLabel"));
    auto *about = new QLabel(QStringLiteral("Converts Quirra handheld databases (.PDB) to CSV "
                                            "files and CSV files to Quirra databases, shows and "
                                            "prints databases, and installs them for the next "
                                            "HotSync."),
                             panel);
    about->setWordWrap(true);
    auto *contact = new QLabel(QStringLiteral("Ships with Vendara, the product catalogue.\n"
                                              "Questions and suggestions: your Vendara supplier."),
                               panel);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(18, 16, 18, 16);
    panelLayout->setSpacing(10);
    panelLayout->addWidget(title);
    panelLayout->addWidget(version);
    panelLayout->addWidget(about);
    panelLayout->addStretch(1);
    panelLayout->addWidget(contact);

    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(20);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addWidget(panel, 1);
    return page;
}

void MainWindow::showFormState()
{
    for (auto it = mFieldWidgets.constBegin(); it != mFieldWidgets.constEnd(); ++it)
        showField(Field(it.key()));
    showField(Field::Fixed1stColumn);
    showPage(mForm.page());
    showStatus(mForm.statusText());
}

void MainWindow::showField(Field field)
{
    switch (field) {
    case Field::UsePDBFile: {
        const bool use = mForm.checked(Field::UsePDBFile);
        UsePDBFile->setChecked(use);
        CreateTextFields->setChecked(!use);
        EnterPDBFileName->setVisible(use);
        PDBFileForInfo->setVisible(use);
        BrowsePDBFileToUse->setVisible(use);
        return;
    }
    case Field::AutoInstallCheck:
        AutoInstallCheck->setChecked(mForm.checked(field));
        PDBUsers->setEnabled(mForm.checked(field));
        return;
    case Field::Fixed1stColumn:
        Fixed1stColumn->setChecked(mForm.checked(field));
        StringGrid1->setFixedColumns(mForm.fixedColumns());
        return;
    case Field::PDBUsers: {
        const QStringList names = mForm.userNames();
        if (PDBUsers->count() != names.size()) {
            PDBUsers->clear();
            PDBUsers->addItems(names);
        }
        const int index = mForm.selection(field);
        PDBUsers->setCurrentIndex(index >= 0 && index < PDBUsers->count() ? index : -1);
        return;
    }
    case Field::Pages:
        return;
    default:
        break;
    }
    QWidget *widget = mFieldWidgets.value(int(field));
    if (auto *e = qobject_cast<QLineEdit *>(widget)) {
        if (e->text() != mForm.text(field)) {
            if (field == Field::DatabaseName)
                mNameLimit->allow(mForm.text(field).size());
            e->setText(mForm.text(field));
        }
    } else if (auto *c = qobject_cast<QCheckBox *>(widget)) {
        c->setChecked(mForm.checked(field));
    } else if (auto *l = qobject_cast<QComboBox *>(widget)) {
        const int index = mForm.selection(field);
        l->setCurrentIndex(index >= 0 && index < l->count() ? index : -1);
    }
}

void MainWindow::showPage(Page page)
{
    const QSignalBlocker block(Pages);
    Pages->setCurrentIndex(int(page));
}

void MainWindow::showStatus(const QString &text)
{
    StatusBar->setText(text);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The window repaints while a conversion runs; it closes once the conversion is done.
    if (mForm.busy()) {
        event->ignore();
        return;
    }
    if (!mClosed) {
        mClosed = true;
        mForm.FormClose();
    }
    event->accept();
}

} // namespace dorvane::ui
