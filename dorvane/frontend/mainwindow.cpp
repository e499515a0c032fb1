// The converter window: its tabs, status bar and size, the helpers that make the tabs'
// controls, and how the controls follow the form. Each tab is built in the file named after
// it (mainwindowconvert.cpp, mainwindowview.cpp, mainwindowpreferences.cpp,
// mainwindowabout.cpp).
#include "mainwindow.h"

#include "gridview.h"
#include "texts.h"
#include "typinglimit.h"

#include "common/widgets/comboboxaccessible.h"
#include "common/widgets/focuskeeper.h"

// Qt
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

// std
#include <cmath>

namespace dorvane::ui {

namespace {

using Field = TMainForm::Field;
using Page = TMainForm::Page;

// The page area at 96 dots per inch, the window's fixed size.
constexpr int kPageWidth = 601;
constexpr int kPageHeight = 432;
constexpr double kBaseDpi = 96.0;

} // namespace

MainWindow::MainWindow(TMainForm &form, QWidget *parent)
    : QMainWindow(parent)
    , mForm(form)
{
    // Drop-down lists here and in the dialogs are named by their labels; a closed dialog gives
    // the keyboard back to the window under it.
    common::ComboBoxAccessible::install();
    common::FocusKeeper::install();
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

    // The status text is the label's name, so that a screen reader reads the outcome of a
    // conversion; no fixed name hides it.
    StatusBar = new QLabel(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setAccessibleDescription(QStringLiteral("Status"));
    StatusBar->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(StatusBar, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(Pages, &QTabWidget::currentChanged, this,
            [this](int index) { mForm.setPage(Page(index)); });
    connect(&mForm, &TMainForm::fieldChanged, this, &MainWindow::showField);
    connect(&mForm, &TMainForm::pageChanged, this, &MainWindow::showPage);
    connect(&mForm, &TMainForm::statusShown, this, &MainWindow::showStatus);
    connect(&mForm, &TMainForm::progressShown, this, &MainWindow::showStatus);

    const QScreen *screen = this->screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen != nullptr)
        fitToScreen(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
    else
        fitToScreen(kBaseDpi, kBaseDpi);
}

QSize MainWindow::pageArea(double dotsPerInchX, double dotsPerInchY)
{
    return {int(std::lround(kPageWidth * dotsPerInchX / kBaseDpi)),
            int(std::lround(kPageHeight * dotsPerInchY / kBaseDpi))};
}

void MainWindow::fitToScreen(double dotsPerInchX, double dotsPerInchY)
{
    const QSize pages = pageArea(dotsPerInchX, dotsPerInchY);
    resize(pages.width(), pages.height() + statusBar()->sizeHint().height());
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

QLabel *MainWindow::labelFor(QWidget *control, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

QLabel *MainWindow::instruction(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setItalic(true);
    label->setFont(font);
    return label;
}

void MainWindow::makeLarge(QPushButton *button)
{
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.35);
    button->setFont(font);
    button->setMinimumSize(220, 40);
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
