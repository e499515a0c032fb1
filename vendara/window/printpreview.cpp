#include "printpreview.h"

#include "icons.h"

// Qt
#include <QAction>
#include <QActionGroup>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace vendara {

namespace {

// A theme icon, else the picture Qt's own print preview uses.
QIcon previewIcon(const QString &themeName, const QString &qtName)
{
    QIcon fallback;
    const QString base = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/");
    fallback.addFile(base + qtName + QStringLiteral("-24.png"), QSize(24, 24));
    fallback.addFile(base + qtName + QStringLiteral("-32.png"), QSize(32, 32));
    return Icons::themed(themeName, fallback);
}

} // namespace

PrintPreview::PrintPreview(const QString &documentName, PagePainter paint, PrintCommand print,
                           QWidget *parent)
    : QDialog(parent)
    , mPrinter(QPrinter::HighResolution)
    , mPaint(std::move(paint))
    , mPrintCommand(std::move(print))
    , mView(new QPrintPreviewWidget(&mPrinter))
    , mPage(new QLabel)
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview - ") + documentName);
    setAccessibleName(QStringLiteral("Print Preview"));
    setWindowIcon(Icons::program());
    mPrinter.setDocName(documentName);

    auto *tools = new QToolBar;
    tools->setAccessibleName(QStringLiteral("Preview toolbar"));
    tools->setIconSize(QSize(24, 24));
    mPrint =
        tools->addAction(previewIcon(QStringLiteral("document-print"), QStringLiteral("printer")),
                         QStringLiteral("&Print..."));
    mPrint->setObjectName(QStringLiteral("Print"));
    mPrint->setShortcut(QKeySequence::Print);
    tools->addSeparator();
    QAction *fitWidth = tools->addAction(
        previewIcon(QStringLiteral("zoom-fit-width"), QStringLiteral("zoom-fit-width")),
        QStringLiteral("Fit Width"));
    QAction *fitPage = tools->addAction(
        previewIcon(QStringLiteral("zoom-fit-best"), QStringLiteral("zoom-fit-page")),
        QStringLiteral("Fit Page"));
    auto *fit = new QActionGroup(this);
    for (QAction *action : {fitWidth, fitPage}) {
        action->setCheckable(true);
        fit->addAction(action);
    }
    fitPage->setChecked(true);
    QAction *zoomIn =
        tools->addAction(previewIcon(QStringLiteral("zoom-in"), QStringLiteral("zoom-in")),
                         QStringLiteral("Zoom In"));
    QAction *zoomOut =
        tools->addAction(previewIcon(QStringLiteral("zoom-out"), QStringLiteral("zoom-out")),
                         QStringLiteral("Zoom Out"));
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    tools->addSeparator();
    QAction *portrait = tools->addAction(
        previewIcon(QStringLiteral("object-rotate-left"), QStringLiteral("layout-portrait")),
        QStringLiteral("Portrait"));
    QAction *landscape = tools->addAction(
        previewIcon(QStringLiteral("object-rotate-right"), QStringLiteral("layout-landscape")),
        QStringLiteral("Landscape"));
    auto *orientation = new QActionGroup(this);
    for (QAction *action : {portrait, landscape}) {
        action->setCheckable(true);
        orientation->addAction(action);
    }
    portrait->setChecked(true);
    tools->addSeparator();
    QAction *first =
        tools->addAction(previewIcon(QStringLiteral("go-first"), QStringLiteral("go-first")),
                         QStringLiteral("First Page"));
    QAction *previous =
        tools->addAction(previewIcon(QStringLiteral("go-previous"), QStringLiteral("go-previous")),
                         QStringLiteral("Previous Page"));
    // "Page 1 of 3" is the label's name for a screen reader.
    mPage->setAccessibleDescription(QStringLiteral("Page"));
    mPage->setContentsMargins(8, 0, 8, 0);
    tools->addWidget(mPage);
    QAction *next =
        tools->addAction(previewIcon(QStringLiteral("go-next"), QStringLiteral("go-next")),
                         QStringLiteral("Next Page"));
    QAction *last =
        tools->addAction(previewIcon(QStringLiteral("go-last"), QStringLiteral("go-last")),
                         QStringLiteral("Last Page"));
    tools->addSeparator();
    QAction *close = tools->addAction(Icons::themed(QStringLiteral("window-close"), QIcon()),
                                      QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("Close"));
    for (QAction *action : tools->actions()) {
        if (QWidget *button = tools->widgetForAction(action))
            button->setAccessibleName(action->text().remove(QLatin1Char('&')));
    }

    mView->setObjectName(QStringLiteral("Pages"));
    mView->setAccessibleName(QStringLiteral("Pages"));
    // The preview's own view of the pages is what takes the keyboard focus.
    for (QGraphicsView *pages : mView->findChildren<QGraphicsView *>())
        pages->setAccessibleName(mView->accessibleName());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(mView, 1);

    connect(mView, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { mPaint(*printer); });
    connect(mView, &QPrintPreviewWidget::previewChanged, this, &PrintPreview::pageChanged);
    connect(mPrint, &QAction::triggered, this, &PrintPreview::printPages);
    connect(fitWidth, &QAction::triggered, mView, &QPrintPreviewWidget::fitToWidth);
    connect(fitPage, &QAction::triggered, mView, &QPrintPreviewWidget::fitInView);
    connect(zoomIn, &QAction::triggered, this, [this, fit] {
        if (QAction *checked = fit->checkedAction())
            checked->setChecked(false);
        mView->zoomIn();
    });
    connect(zoomOut, &QAction::triggered, this, [this, fit] {
        if (QAction *checked = fit->checkedAction())
            checked->setChecked(false);
        mView->zoomOut();
    });
    connect(portrait, &QAction::triggered, mView, &QPrintPreviewWidget::setPortraitOrientation);
    connect(landscape, &QAction::triggered, mView, &QPrintPreviewWidget::setLandscapeOrientation);
    connect(first, &QAction::triggered, this, [this] { mView->setCurrentPage(1); });
    connect(previous, &QAction::triggered, this,
            [this] { mView->setCurrentPage(mView->currentPage() - 1); });
    connect(next, &QAction::triggered, this,
            [this] { mView->setCurrentPage(mView->currentPage() + 1); });
    connect(last, &QAction::triggered, this, [this] { mView->setCurrentPage(mView->pageCount()); });
    connect(close, &QAction::triggered, this, &QDialog::reject);
    fit->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    QSize size(820, 900);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
    mView->fitInView();
    mView->updatePreview();
}

int PrintPreview::pageCount() const
{
    return mView->pageCount();
}

int PrintPreview::currentPage() const
{
    return mView->currentPage();
}

QString PrintPreview::pageText() const
{
    return mPage->text();
}

void PrintPreview::pageChanged()
{
    mPage->setText(
        QStringLiteral("Page %1 of %2").arg(mView->currentPage()).arg(mView->pageCount()));
}

void PrintPreview::printPages()
{
    if (mPrintCommand(mPrinter))
        accept();
}

} // namespace vendara
