// `FrmUpdate`, the update window: which spreadsheet column holds which product field, then
// the import. The state and the rules are `UpdateForm`'s; the window shows them, runs the
// import's rows between its events (so it repaints, shows its progress caption every two
// seconds and takes Cancel, which stops after the current row) and reports through the
// prompter. With "Add new products and update existing ones" the rows are read into a plan
// first (Cancel then changes nothing), the preview shows it, and only its "Apply" changes the
// catalogue; its "Cancel" comes back to this window.
#pragma once

#include "updateform.h"
#include "workbookprocess.h"

// Qt
#include <QDialog>
#include <QPointer>

// std
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vendara {

class FrmImportPreview;
class HelpTopics;
class ImportPlanner;
class SpreadsheetImport;

class FrmUpdate : public QDialog
{
    Q_OBJECT

public:
    struct MainWindowSteps
    {
        // Before the first row: the main window's edit mode ends (committing as usual).
        std::function<void()> endEditing;
        // The grid's tag while a row is handled.
        std::function<void(const QString &)> setTag;
        // After the rows: the grid shows the product table again, from its first row.
        std::function<void()> rebind;
        // The import has changed the catalogue (or tried to: the record may be empty), before
        // the closing message.
        std::function<void(const ImportRecord &)> applied;
    };

    FrmUpdate(Products &products, prompt::Prompter &prompter, const QString &workbookPath,
              HelpTopics *help, MainWindowSteps steps, QWidget *parent = nullptr);
    ~FrmUpdate() override;

    // Reads the workbook through `reader` (the window takes it) while the window shows its
    // lists disabled and the hourglass, then fills the lists from the headings and sends
    // `loaded(true)`. When the file is no workbook, the window hides, tells the user ("not an
    // Excel 97 file") and closes; Cancel, Escape or closing the window meanwhile stops the
    // reader. Either way `loaded(false)` is sent.
    void load(WorkbookProcess *reader);
    [[nodiscard]] bool reading() const { return mReader != nullptr; }
    [[nodiscard]] WorkbookProcess *reader() const { return mReader; }

    [[nodiscard]] UpdateForm &form() { return mForm; }
    [[nodiscard]] QComboBox *field(int list) const { return mFields[std::size_t(list)]; }
    [[nodiscard]] QCheckBox *ignoreFirstRow() const { return mChkIgnore; }
    [[nodiscard]] QRadioButton *addOption() const { return mOptAdd; }
    [[nodiscard]] QRadioButton *updateOption() const { return mOptUpdate; }
    [[nodiscard]] QPushButton *okButton() const { return mCmdOK; }
    [[nodiscard]] QPushButton *cancelButton() const { return mCmdCancel; }
    [[nodiscard]] QPushButton *helpButton() const { return mCmdHelp; }
    [[nodiscard]] QTimer *progressTimer() const { return mTimer1; }
    [[nodiscard]] bool importing() const { return mImport != nullptr || mPlanner != nullptr; }
    // The preview while it is open.
    [[nodiscard]] FrmImportPreview *preview() const;

signals:
    // Sent after each handled row while the import runs, with the row counter (the next row).
    void rowHandled(int rowCounter);
    // Sent once the workbook has been read (or not).
    void loaded(bool ok);

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void okClicked();
    // Ends edit mode, then takes the import's or the reading's steps, handling the window's
    // events between rows, until the last or Cancel; the hourglass stays on.
    void runSteps(const std::function<bool()> &step, const std::function<int()> &rowCounter);
    void readForUpdate();
    void showPreview(const ImportPlan &plan);
    void applyPlan(const ImportPlan &plan);
    void cancelClicked();
    // The lists, the check box, the options and OK: while the workbook is read, the import
    // runs or its preview is open.
    void setChoicesEnabled(bool enabled);
    void showSelections();
    void setBusy(bool busy);
    void readFinished();

    UpdateForm mForm;
    HelpTopics *mHelp;
    MainWindowSteps mSteps;
    std::array<QComboBox *, UpdateFields::kListCount> mFields{};
    QCheckBox *mChkIgnore;
    QRadioButton *mOptAdd;
    QRadioButton *mOptUpdate;
    QPushButton *mCmdOK;
    QPushButton *mCmdCancel;
    QPushButton *mCmdHelp;
    QTimer *mTimer1;
    QPointer<WorkbookProcess> mReader;
    std::unique_ptr<SpreadsheetImport> mImport;
    std::unique_ptr<ImportPlanner> mPlanner;
    QPointer<FrmImportPreview> mPreview;
    bool mCancelled = false;
};

} // namespace vendara
