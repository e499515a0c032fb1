#include "frmupdate.h"

#include "exchangetexts.h"
#include "frmimportpreview.h"
#include "importplanner.h"
#include "spreadsheetimport.h"
#include "workbookprocess.h"

#include "vendara/store/helptopics.h"

// Qt
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vendara {

namespace {

// The lists of the "Product Information" frame, top to bottom.
constexpr int kProductLists[] = {0, 1, 3, 6, 7};
// The "Discount Schedule" frame: price point and price side by side, one row per point.
constexpr int kScheduleLists[][2] = {{2, 4}, {5, 8}, {9, 10}, {11, 12}, {13, 14}};

} // namespace

FrmUpdate::FrmUpdate(Products &products, prompt::Prompter &prompter, const QString &workbookPath,
                     HelpTopics *help, MainWindowSteps steps, QWidget *parent)
    : QDialog(parent)
    , mForm(products, prompter, workbookPath)
    , mHelp(help)
    , mSteps(std::move(steps))
    , mChkIgnore(new QCheckBox(texts::firstRowDescriptions()))
    , mOptAdd(new QRadioButton(texts::addNewProducts()))
    , mOptUpdate(new QRadioButton(texts::addAndUpdateProducts()))
    , mCmdOK(new QPushButton(QStringLiteral("OK")))
    , mCmdCancel(new QPushButton(QStringLiteral("Cancel")))
    , mCmdHelp(new QPushButton(QStringLiteral("Help")))
    , mTimer1(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmUpdate"));
    setWindowTitle(texts::updateCaption());
    setAccessibleName(texts::updateCaption());

    auto *label1 = new QLabel(texts::updateInstruction());
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);

    auto addField = [this](QGridLayout *grid, int list, int row, int column) {
        const QString caption = QString::fromLatin1(UpdateFields::ofList(list).label);
        auto *label = new QLabel(caption);
        auto *combo = new QComboBox;
        combo->setObjectName(QStringLiteral("CmbField%1").arg(list));
        combo->setAccessibleName(caption); // its label: "Part Number:", "Price 1:"
        combo->setMinimumContentsLength(22);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        if (UpdateFields::isRequired(list))
            combo->setPlaceholderText(texts::required());
        label->setBuddy(combo);
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
        mFields[std::size_t(list)] = combo;
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, list](int index) { mForm.select(list, index); });
    };

    auto *frame3 = new QGroupBox(texts::productInformationFrame());
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto *productGrid = new QGridLayout(frame3);
    int row = 0;
    for (const int list : kProductLists)
        addField(productGrid, list, row++, 0);
    productGrid->setColumnStretch(1, 1);

    auto *frame2 = new QGroupBox(texts::discountScheduleFrame());
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *scheduleGrid = new QGridLayout(frame2);
    row = 0;
    for (const auto &pair : kScheduleLists) {
        addField(scheduleGrid, pair[0], row, 0);
        addField(scheduleGrid, pair[1], row, 2);
        ++row;
    }
    scheduleGrid->setColumnStretch(1, 1);
    scheduleGrid->setColumnStretch(3, 1);

    mChkIgnore->setObjectName(QStringLiteral("ChkIgnore"));
    mChkIgnore->setAccessibleName(texts::firstRowDescriptions());
    mChkIgnore->setChecked(mForm.firstRowHoldsDescriptions());
    connect(mChkIgnore, &QCheckBox::toggled, this,
            [this](bool on) { mForm.setFirstRowHoldsDescriptions(on); });

    auto *frame1 = new QGroupBox(texts::actionsFrame());
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *actions = new QVBoxLayout(frame1);
    mOptAdd->setObjectName(QStringLiteral("OptAdd"));
    mOptAdd->setAccessibleName(texts::addNewProducts());
    mOptAdd->setChecked(true);
    actions->addWidget(mOptAdd);
    connect(mOptAdd, &QRadioButton::clicked, this, [this] {
        mForm.clickAdd();
        showSelections();
    });
    mOptUpdate->setObjectName(QStringLiteral("OptUpdate"));
    mOptUpdate->setAccessibleName(texts::addAndUpdateProducts());
    actions->addWidget(mOptUpdate);
    connect(mOptUpdate, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            mForm.setAction(UpdateForm::Action::AddAndUpdate);
    });

    mCmdOK->setObjectName(QStringLiteral("CmdOK"));
    mCmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    mCmdHelp->setObjectName(QStringLiteral("CmdHelp"));
    for (QPushButton *button : {mCmdOK, mCmdCancel, mCmdHelp}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
    }
    mCmdOK->setDefault(true);
    connect(mCmdOK, &QPushButton::clicked, this, &FrmUpdate::okClicked);
    connect(mCmdCancel, &QPushButton::clicked, this, &FrmUpdate::cancelClicked);
    connect(mCmdHelp, &QPushButton::clicked, this, [this] {
        if (mHelp != nullptr)
            mHelp->showContents();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mCmdOK);
    buttons->addWidget(mCmdCancel);
    buttons->addWidget(mCmdHelp);

    auto *lower = new QHBoxLayout;
    lower->addWidget(mChkIgnore);
    lower->addStretch();
    lower->addWidget(frame1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(frame3);
    layout->addWidget(frame2);
    layout->addLayout(lower);
    layout->addLayout(buttons);

    mTimer1->setObjectName(QStringLiteral("Timer1"));
    mTimer1->setInterval(UpdateForm::kTimerInterval);
    connect(mTimer1, &QTimer::timeout, this, [this] {
        if (mImport)
            setWindowTitle(UpdateForm::progressCaption(windowTitle(), mImport->rowCounter()));
        else if (mPlanner)
            setWindowTitle(UpdateForm::progressCaption(windowTitle(), mPlanner->rowCounter()));
    });
}

FrmUpdate::~FrmUpdate() = default;

FrmImportPreview *FrmUpdate::preview() const
{
    return mPreview.data();
}

void FrmUpdate::load(WorkbookProcess *reader)
{
    mReader = reader;
    reader->setParent(this);
    setBusy(true);
    setChoicesEnabled(false);
    connect(reader, &WorkbookProcess::finished, this, &FrmUpdate::readFinished);
    reader->start(mForm.workbookPath());
}

void FrmUpdate::readFinished()
{
    Workbook::OpenResult read = mReader->takeResult();
    mReader->deleteLater();
    mReader = nullptr;
    setBusy(false);
    if (!read.workbook)
        hide(); // the message stands alone, then the window goes
    const bool ok = mForm.loadsheet(std::move(read));
    setChoicesEnabled(true);
    for (int list = 0; list < UpdateFields::kListCount; ++list) {
        QComboBox *combo = mFields[std::size_t(list)];
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItems(mForm.entries(list));
    }
    showSelections();
    emit loaded(ok);
    if (!ok)
        reject();
}

void FrmUpdate::showSelections()
{
    for (int list = 0; list < UpdateFields::kListCount; ++list) {
        QComboBox *combo = mFields[std::size_t(list)];
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(mForm.selection(list));
    }
}

void FrmUpdate::setBusy(bool busy)
{
    // The hourglass over this window and the main window; message boxes keep the arrow.
    for (QWidget *widget : {static_cast<QWidget *>(this), parentWidget()}) {
        if (widget == nullptr)
            continue;
        if (busy)
            widget->setCursor(Qt::WaitCursor);
        else
            widget->unsetCursor();
    }
}

void FrmUpdate::setChoicesEnabled(bool enabled)
{
    for (QComboBox *combo : mFields)
        combo->setEnabled(enabled);
    for (QWidget *control : {static_cast<QWidget *>(mChkIgnore), static_cast<QWidget *>(mOptAdd),
                             static_cast<QWidget *>(mOptUpdate), static_cast<QWidget *>(mCmdOK)})
        control->setEnabled(enabled);
}

void FrmUpdate::okClicked()
{
    if (importing() || mPreview)
        return;
    if (mForm.action() == UpdateForm::Action::AddAndUpdate) {
        readForUpdate();
        return;
    }
    mImport = mForm.start();
    if (!mImport)
        return; // "Missing required fields": the user chooses again
    if (mSteps.setTag)
        mImport->setTagHandler(mSteps.setTag);
    runSteps([this] { return mImport->step(); }, [this] { return mImport->rowCounter(); });
    mImport->finish();
    if (mSteps.rebind)
        mSteps.rebind();
    setBusy(false);
    if (mSteps.applied)
        mSteps.applied(mImport->record());
    mImport->report();
    mImport.reset();
    accept();
}

void FrmUpdate::runSteps(const std::function<bool()> &step, const std::function<int()> &rowCounter)
{
    if (mSteps.endEditing)
        mSteps.endEditing();
    setChoicesEnabled(false);
    setBusy(true);
    mTimer1->start();
    mCancelled = false;
    while (!mCancelled && step()) {
        emit rowHandled(rowCounter());
        QApplication::processEvents(QEventLoop::AllEvents);
    }
    mTimer1->stop();
}

void FrmUpdate::readForUpdate()
{
    mPlanner = mForm.startUpdate();
    if (!mPlanner)
        return;
    runSteps([this] { return mPlanner->step(); }, [this] { return mPlanner->rowCounter(); });
    setBusy(false);
    setWindowTitle(texts::updateCaption());
    const std::unique_ptr<ImportPlanner> planner = std::move(mPlanner);
    if (mCancelled) {
        reject(); // stopped while reading: nothing has changed
        return;
    }
    showPreview(planner->plan());
}

void FrmUpdate::showPreview(const ImportPlan &plan)
{
    auto *preview = new FrmImportPreview(plan, this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    mPreview = preview;
    connect(preview, &QDialog::accepted, this, [this, plan] { applyPlan(plan); });
    connect(preview, &QDialog::rejected, this, [this] { setChoicesEnabled(true); });
    preview->open();
}

void FrmUpdate::applyPlan(const ImportPlan &plan)
{
    const ImportRecord record = mForm.apply(plan);
    if (mSteps.rebind)
        mSteps.rebind();
    if (mSteps.applied)
        mSteps.applied(record);
    mForm.reportApplied(record);
    accept();
}

void FrmUpdate::cancelClicked()
{
    if (importing()) {
        mCancelled = true; // the row in progress is completed first
        return;
    }
    reject();
}

void FrmUpdate::reject()
{
    // Cancel, Escape or the window's close button while the workbook is read: the reader is
    // killed and the window goes at once.
    if (mReader) {
        mReader->disconnect(this);
        mReader->cancel();
        mReader = nullptr;
        setBusy(false);
        emit loaded(false);
    }
    QDialog::reject();
}

void FrmUpdate::closeEvent(QCloseEvent *event)
{
    if (importing()) {
        mCancelled = true;
        event->ignore(); // the window closes itself once the import has stopped
        return;
    }
    QDialog::closeEvent(event);
}

void FrmUpdate::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        if (mHelp != nullptr)
            mHelp->showTopic(UpdateForm::kHelpTopic);
        return;
    }
    if (event->key() == Qt::Key_Escape && importing()) {
        mCancelled = true;
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vendara
