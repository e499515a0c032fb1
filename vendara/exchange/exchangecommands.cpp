#include "exchangecommands.h"

#include "exchangetexts.h"
#include "frmupdate.h"
#include "workbookprocess.h"

#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/tablemodel.h"
#include "vendara/window/catalogueediting.h"
#include "vendara/window/discountstab.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/productgrid.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QTableView>

namespace vendara {

ExchangeCommands *ExchangeCommands::install(frmMain &window)
{
    return new ExchangeCommands(window);
}

ExchangeCommands::ExchangeCommands(frmMain &window)
    : QObject(&window)
    , mWindow(window)
    , mFiles(window.context().prompter(), window.context().folder().writableDir())
    , mExport(window.context().productTable(), window.context().prompter(), mFiles,
              {[&window] {
                   const int price = window.productModel()->columnOf(product::Price);
                   window.productGrid()->setColumnHidden(price, false);
               },
               [&window] {
                   CatalogueEditing::finishEdit(window.discountsTab()->priceSchedule());
               }})
    , mHandheld(window.context().productTable(), window.context().folder(),
                window.context().prompter(), mLauncher,
                [&window] { return window.context().help(); })
{
    // The hourglass over every window of the program, text boxes included, while the file
    // is written and the converter runs; the hand-off turns it on and off in pairs.
    mHandheld.setBusyHandler([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    setObjectName(QStringLiteral("ExchangeCommands"));
    using From = SpreadsheetQuestions::From;
    CommandDispatcher &commands = window.commands();
    commands.add(QStringLiteral("New"), [this] { update(From::Toolbar); });
    commands.add(QStringLiteral("mnuFileOpen"), [this] { update(From::Menu); });
    commands.add(QStringLiteral("mnuFileUndoImport"), [this] { undoLastImport(); });
    if (QAction *undo = window.action(QStringLiteral("mnuFileUndoImport"))) {
        undo->setEnabled(mHistory.canUndo());
        connect(&mHistory, &ImportHistory::canUndoChanged, undo, &QAction::setEnabled);
    }
    commands.add(QStringLiteral("Export"), [this] { exportProducts(From::Toolbar); });
    commands.add(QStringLiteral("MnuFileClose"), [this] { exportProducts(From::Menu); });
    commands.add(QStringLiteral("Palm"), [this] { sendToHandheld(); });
}

ExchangeCommands::~ExchangeCommands() = default;

FrmUpdate *ExchangeCommands::updateWindow() const
{
    return mUpdate.data();
}

void ExchangeCommands::update(SpreadsheetQuestions::From from, const QString &file)
{
    ProgramContext &context = mWindow.context();
    if (mUpdate) {
        mUpdate->raise();
        mUpdate->activateWindow();
        return;
    }
    if (!SpreadsheetQuestions::askUpdate(context.prompter(), from))
        return;
    const QString path = file.isEmpty() ? mFiles.Getfile() : file;
    if (path.isEmpty())
        return;

    auto *editing = mWindow.findChild<CatalogueEditing *>();
    QPointer<CatalogueEditing> editor(editing);
    FrmUpdate::MainWindowSteps steps;
    steps.endEditing = [this] {
        endEditing();
        beginImport();
    };
    steps.setTag = [editor](const QString &tag) {
        if (editor)
            editor->editor().setAddingMarker(tag);
    };
    steps.rebind = [this] {
        rebind();
    };
    steps.applied = [this](const ImportRecord &record) {
        mHistory.recordApplied(record);
        pushImportStep(record, false);
        endImport();
    };
    auto *window = new FrmUpdate(context.products(), context.prompter(), path, context.help(),
                                 std::move(steps), &mWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    connect(window, &QObject::destroyed, this, [this] { endImport(); });
    mUpdate = window;
    window->show();
    // The window stays responsive while the reader process works, and its Cancel stops it.
    window->load(new WorkbookProcess(
        context.folder().programFile(QString::fromLatin1(WorkbookProcess::kProgramName))));
}

void ExchangeCommands::endEditing()
{
    // Leaving edit mode through its button commits the details being edited.
    if (QAction *edit = mWindow.action(QStringLiteral("Edit")); edit && edit->isChecked())
        edit->trigger();
}

void ExchangeCommands::rebind()
{
    const int before = mWindow.currentRow();
    mWindow.setCurrentRow(1);
    if (mWindow.currentRow() == before)
        mWindow.showCurrentDetails();
}

void ExchangeCommands::beginImport()
{
    if (mImportRecording)
        return;
    mRowBeforeImport = mWindow.currentRow();
    mImportRecording.emplace(mWindow.history());
}

void ExchangeCommands::endImport()
{
    mImportRecording.reset();
}

void ExchangeCommands::pushImportStep(const ImportRecord &record, bool removal)
{
    if (record.isEmpty())
        return;
    ImportHistory *imports = &mHistory;
    auto takeBack = [record, imports](Products &products) {
        record.revert(products);
        imports->clear();
    };
    auto makeAgain = [record, imports](Products &products) {
        record.apply(products);
        imports->recordApplied(record);
    };
    if (removal)
        mWindow.history().pushApplied(texts::removeImportStep(), makeAgain, takeBack,
                                      mRowBeforeImport, mWindow.currentRow());
    else
        mWindow.history().pushApplied(texts::importStep(), takeBack, makeAgain,
                                      mRowBeforeImport, mWindow.currentRow());
}

void ExchangeCommands::undoLastImport()
{
    if (mUpdate || !mHistory.canUndo() || !mHistory.confirmUndo(mWindow.context().prompter()))
        return;
    endEditing();
    beginImport();
    const ImportRecord record = *mHistory.last();
    mHistory.undo(mWindow.context().products());
    rebind();
    pushImportStep(record, true);
    endImport();
}

void ExchangeCommands::exportProducts(SpreadsheetQuestions::From from)
{
    if (SpreadsheetQuestions::askExport(mWindow.context().prompter(), from))
        mExport.Export();
}

QList<int> ExchangeCommands::selectedRows() const
{
    QList<int> rows;
    const QItemSelectionModel *selection = mWindow.productGrid()->selectionModel();
    for (const QModelIndex &index : selection->selectedIndexes()) {
        if (!rows.contains(index.row() + 1))
            rows.append(index.row() + 1);
    }
    if (rows.size() == 1 && rows.first() == mWindow.currentRow())
        return {};
    return rows;
}

void ExchangeCommands::sendToHandheld()
{
    mHandheld.Palmpilot(selectedRows(), mWindow.currentRow());
}

} // namespace vendara
