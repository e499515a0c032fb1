// The converter's main window, "Quirra Desktop": five tabs whose controls show the state of
// a TMainForm and pass the user's actions to it.
#pragma once

#include "tmainform.h"

// Qt
#include <QHash>
#include <QMainWindow>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace dorvane::ui {

class GridView;
class TypingLimit;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(TMainForm &form, QWidget *parent = nullptr);

    // Fills the controls from the form; call once after the form's start-up.
    void showFormState();

    // The window keeps its size of 601 by 432 pixels for the pages at 96 dots per inch and
    // grows with the screen's logical dots per inch, so that larger text still fits.
    [[nodiscard]] static QSize pageArea(double dotsPerInchX, double dotsPerInchY);
    // Sizes the window for a screen of these logical dots per inch; the window does so for
    // its screen when it is made.
    void fitToScreen(double dotsPerInchX, double dotsPerInchY);

    // The page control and the controls that carry behaviour, by their names.
    QTabWidget *Pages = nullptr;
    QLabel *StatusBar = nullptr;
    QLineEdit *PDBFileName = nullptr;
    QLineEdit *CSVFileName = nullptr;
    QPushButton *BrowsePDB = nullptr;
    QPushButton *BrowseCSV = nullptr;
    QCheckBox *UseQuotes = nullptr;
    QCheckBox *FirstRecordFieldNames = nullptr;
    QPushButton *ToCSVButton = nullptr;
    QLineEdit *CSVFileName2 = nullptr;
    QLineEdit *PDBFileName2 = nullptr;
    QPushButton *BrowseCSV2 = nullptr;
    QPushButton *BrowsePDB2 = nullptr;
    QLineEdit *DatabaseName = nullptr;
    QCheckBox *AutoInstallCheck = nullptr;
    QComboBox *PDBUsers = nullptr;
    QCheckBox *HasFieldNames = nullptr;
    QRadioButton *CreateTextFields = nullptr;
    QRadioButton *UsePDBFile = nullptr;
    QLabel *EnterPDBFileName = nullptr;
    QLineEdit *PDBFileForInfo = nullptr;
    QPushButton *BrowsePDBFileToUse = nullptr;
    QPushButton *ToPDBButton = nullptr;
    QLineEdit *PDBNameField = nullptr;
    QPushButton *ByUserButton = nullptr;
    QToolButton *ViewPDBButton = nullptr;
    QToolButton *PrintDatabaseButton = nullptr;
    QCheckBox *Fixed1stColumn = nullptr;
    GridView *StringGrid1 = nullptr;
    QComboBox *DateFormat = nullptr;
    QComboBox *TimeFormat = nullptr;
    QLineEdit *CSVSeparator = nullptr;
    QComboBox *CsvEncoding = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildToCsvPage();
    QWidget *buildToPdbPage();
    QWidget *buildViewPage();
    QWidget *buildPreferencesPage();
    QWidget *buildAboutPage();

    QLineEdit *edit(TMainForm::Field field, const QString &name, const QString &label,
                    const QString &hint);
    QCheckBox *checkBox(TMainForm::Field field, const QString &name, const QString &caption,
                        const QString &hint);
    QComboBox *list(TMainForm::Field field, const QString &name, const QString &label,
                    const QString &hint, const QStringList &entries);
    QPushButton *button(const QString &name, const QString &caption, const QString &hint);
    // The label in front of a control, its buddy: a screen reader names the control by it.
    static QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent);
    // The italic instruction lines of the convert tabs.
    static QLabel *instruction(const QString &text, QWidget *parent);
    // The large bold convert buttons.
    static void makeLarge(QPushButton *button);

    void showField(TMainForm::Field field);
    void showPage(TMainForm::Page page);
    void showStatus(const QString &text);

    TMainForm &mForm;
    QHash<int, QWidget *> mFieldWidgets;
    TypingLimit *mNameLimit = nullptr;
    bool mClosed = false;
};

} // namespace dorvane::ui
