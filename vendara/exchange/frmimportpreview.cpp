#include "frmimportpreview.h"

#include "exchangetexts.h"

#include "vendara/store/tablemodel.h"

// Qt
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

// std
#include <algorithm>

namespace vendara {

namespace {

// A column is never wider than this many average characters; longer texts end in "...".
constexpr int kWidestColumn = 40;

} // namespace

FrmImportPreview::FrmImportPreview(ImportPlan plan, QWidget *parent)
    : QDialog(parent)
    , mPreview(std::make_unique<ImportPreview>(std::move(plan)))
    , mModel(nullptr)
    , mGrid(new QTableView)
    , mCopy(new QPushButton(texts::copyButton()))
    , mApply(new QPushButton(texts::applyButton()))
    , mCancel(new QPushButton(QStringLiteral("Cancel")))
{
    setObjectName(QStringLiteral("FrmImportPreview"));
    setWindowTitle(texts::previewCaption());
    setAccessibleName(texts::previewCaption());

    auto *summary = new QGroupBox(texts::previewSummaryFrame());
    summary->setObjectName(QStringLiteral("FraSummary"));
    auto *counts = new QHBoxLayout(summary);
    for (const QString &text : mPreview->counts()) {
        auto *label = new QLabel(text);
        label->setAccessibleName(text);
        counts->addWidget(label);
        counts->addStretch();
        mCounts.append(label);
    }

    auto *listLabel = new QLabel(texts::previewListLabel());
    mModel = new TableModel(mPreview->table(), mPreview->gridColumns(), this);
    mGrid->setObjectName(QStringLiteral("GrdPreview"));
    mGrid->setAccessibleName(texts::previewListLabel()); // its label, as the update window's lists
    mGrid->setModel(mModel);
    mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    mGrid->setAlternatingRowColors(true);
    mGrid->setWordWrap(false);
    mGrid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    mGrid->verticalHeader()->setDefaultSectionSize(mGrid->verticalHeader()->minimumSectionSize()
                                                   + 4);
    mGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mGrid->verticalHeader()->hide();
    mGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mGrid->horizontalHeader()->setHighlightSections(false);
    mGrid->horizontalHeader()->setStretchLastSection(true);
    mGrid->resizeColumnsToContents();
    const int widest = mGrid->fontMetrics().averageCharWidth() * kWidestColumn;
    for (int column = 0; column < mModel->columnCount(); ++column)
        mGrid->setColumnWidth(column, std::min(mGrid->columnWidth(column) + 12, widest));
    listLabel->setBuddy(mGrid);

    // Ctrl+C in the list copies all of it, as the button does.
    auto *copyAction = new QAction(texts::copyButton(), mGrid);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    mGrid->addAction(copyAction);
    connect(copyAction, &QAction::triggered, this, &FrmImportPreview::copy);

    mCopy->setObjectName(QStringLiteral("CmdCopy"));
    mApply->setObjectName(QStringLiteral("CmdApply"));
    mCancel->setObjectName(QStringLiteral("CmdCancel"));
    for (QPushButton *button : {mCopy, mApply, mCancel}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
    }
    mApply->setDefault(true);
    connect(mCopy, &QPushButton::clicked, this, &FrmImportPreview::copy);
    connect(mApply, &QPushButton::clicked, this, &QDialog::accept);
    connect(mCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(mCopy);
    buttons->addStretch();
    buttons->addWidget(mApply);
    buttons->addWidget(mCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(listLabel);
    layout->addWidget(mGrid, 1);
    layout->addLayout(buttons);
    resize(760, 440);
}

FrmImportPreview::~FrmImportPreview()
{
    // The model shows the preview's table, which goes before the window's children do.
    mGrid->setModel(nullptr);
    delete mModel;
}

void FrmImportPreview::copy()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    clipboard->setMimeData(mPreview->mimeData().release());
}

} // namespace vendara
