#include "helpwindow.h"

#include "helptexts.h"
#include "icons.h"

#include "common/prompt/prompter.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace vendara {

namespace {

constexpr int kPageRole = Qt::UserRole;

void addTopics(QTreeWidgetItem *parent, QTreeWidget *tree, const QList<HelpTopic> &topics)
{
    for (const HelpTopic &topic : topics) {
        auto *item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, topic.title);
        item->setData(0, kPageRole, topic.page);
        item->setToolTip(0, topic.title);
        addTopics(item, tree, topic.children);
    }
}

QTreeWidgetItem *findPage(QTreeWidgetItem *item, const QString &page)
{
    if (item->data(0, kPageRole).toString() == page)
        return item;
    for (int i = 0; i < item->childCount(); ++i) {
        if (QTreeWidgetItem *found = findPage(item->child(i), page))
            return found;
    }
    return nullptr;
}

} // namespace

HelpWindow::HelpWindow(prompt::Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , mPrompter(prompter)
    , mPanes(new QTabWidget)
    , mContents(new QTreeWidget)
    , mSearchBox(new QLineEdit)
    , mListTopics(new QPushButton(QStringLiteral("&List Topics")))
    , mResults(new QListWidget)
    , mDisplay(new QPushButton(QStringLiteral("&Display")))
    , mBrowser(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(texts::helpCaption());
    setAccessibleName(texts::helpCaption());
    setWindowIcon(Icons::program());
    resize(900, 620);

    auto *toolBar = new QToolBar;
    toolBar->setAccessibleName(QStringLiteral("Help toolbar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setIconSize(QSize(20, 20));
    const QStyle *look = style();
    mBack = toolBar->addAction(
        Icons::themed(QStringLiteral("go-previous"), look->standardIcon(QStyle::SP_ArrowBack)),
        QStringLiteral("Back"));
    mForward = toolBar->addAction(
        Icons::themed(QStringLiteral("go-next"), look->standardIcon(QStyle::SP_ArrowForward)),
        QStringLiteral("Forward"));
    mHome = toolBar->addAction(
        Icons::themed(QStringLiteral("go-home"), look->standardIcon(QStyle::SP_DirHomeIcon)),
        QStringLiteral("Home"));
    mBack->setShortcut(QKeySequence::Back);
    mForward->setShortcut(QKeySequence::Forward);
    mBack->setEnabled(false);
    mForward->setEnabled(false);

    mContents->setObjectName(QStringLiteral("Contents"));
    mContents->setAccessibleName(QStringLiteral("Contents"));
    mContents->setHeaderHidden(true);
    mContents->setUniformRowHeights(true);

    auto *search = new QWidget;
    auto *searchLayout = new QVBoxLayout(search);
    auto *searchLabel = new QLabel(QStringLiteral("Type in the &word(s) to search for:"));
    searchLabel->setBuddy(mSearchBox);
    mSearchBox->setObjectName(QStringLiteral("SearchBox"));
    mSearchBox->setAccessibleName(QStringLiteral("Type in the word(s) to search for:"));
    mSearchBox->setClearButtonEnabled(true);
    mListTopics->setAccessibleName(QStringLiteral("List Topics"));
    auto *resultsLabel = new QLabel(QStringLiteral("Select &topic to display:"));
    resultsLabel->setBuddy(mResults);
    mResults->setObjectName(QStringLiteral("SearchResults"));
    mResults->setAccessibleName(QStringLiteral("Select topic to display:"));
    mDisplay->setAccessibleName(QStringLiteral("Display"));
    mDisplay->setEnabled(false);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(mSearchBox, 1);
    searchRow->addWidget(mListTopics);
    searchLayout->addWidget(searchLabel);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(resultsLabel);
    searchLayout->addWidget(mResults, 1);
    searchLayout->addWidget(mDisplay, 0, Qt::AlignRight);

    mPanes->setObjectName(QStringLiteral("Panes"));
    mPanes->setAccessibleName(QStringLiteral("Help panes"));
    mPanes->addTab(mContents, QStringLiteral("&Contents"));
    mPanes->addTab(search, QStringLiteral("&Search"));

    mBrowser->setObjectName(QStringLiteral("Topic"));
    mBrowser->setAccessibleName(QStringLiteral("Topic"));
    mBrowser->setOpenExternalLinks(true);
    mBrowser->document()->setDocumentMargin(12);

    auto *splitter = new QSplitter;
    splitter->addWidget(mPanes);
    splitter->addWidget(mBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({290, 610});
    splitter->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);

    connect(mBack, &QAction::triggered, mBrowser, &QTextBrowser::backward);
    connect(mForward, &QAction::triggered, mBrowser, &QTextBrowser::forward);
    connect(mHome, &QAction::triggered, this, [this] { showPage(mBook.home()); });
    connect(mBrowser, &QTextBrowser::backwardAvailable, mBack, &QAction::setEnabled);
    connect(mBrowser, &QTextBrowser::forwardAvailable, mForward, &QAction::setEnabled);
    connect(mBrowser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(mContents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { showPage(item->data(0, kPageRole).toString()); });
    connect(mContents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { showPage(item->data(0, kPageRole).toString()); });
    connect(mSearchBox, &QLineEdit::returnPressed, this, &HelpWindow::listTopics);
    connect(mListTopics, &QPushButton::clicked, this, &HelpWindow::listTopics);
    connect(mResults, &QListWidget::itemActivated, this, &HelpWindow::showResult);
    connect(mResults, &QListWidget::itemClicked, this, &HelpWindow::showResult);
    connect(mResults, &QListWidget::currentRowChanged, this,
            [this](int row) { mDisplay->setEnabled(row >= 0); });
    connect(mDisplay, &QPushButton::clicked, this, &HelpWindow::showResult);
}

void HelpWindow::display(const HelpRequest &request)
{
    if (!loadBook(request.file))
        return;
    QString page;
    if (request.contextId) {
        page = mBook.pageOf(*request.contextId);
        if (page.isEmpty())
            mPrompter.message(texts::helpTopicMissing(*request.contextId), texts::helpCaption(),
                              prompt::Buttons::Ok, prompt::Icon::Information);
    }
    if (page.isEmpty() && (!request.searchPane() || currentPage().isEmpty()))
        page = mBook.home();
    if (!page.isEmpty())
        showPage(page);
    mPanes->setCurrentIndex(request.searchPane() ? 1 : 0);

    // Opened from a modal window (Help or F1 in the update window): that window blocks input to
    // every other one, so the help is shown modal itself until it is closed, or nobody could
    // use it.
    if (QWidget *modal = QApplication::activeModalWidget();
        modal != nullptr && modal != this && windowModality() == Qt::NonModal) {
        hide();
        setWindowModality(Qt::ApplicationModal);
    }
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    if (request.searchPane()) {
        mSearchBox->setFocus();
        mSearchBox->selectAll();
    }
}

void HelpWindow::hideEvent(QHideEvent *event)
{
    // Closed: opened from the main window next time, the help blocks nothing.
    if (!event->spontaneous())
        setWindowModality(Qt::NonModal);
    QWidget::hideEvent(event);
}

bool HelpWindow::loadBook(const QString &file)
{
    // The pages are read again on every request while the book is missing, so help installed
    // while the program runs is found.
    if (mBook.isLoaded() && mBook.contentsFile() == QFileInfo(file).absoluteFilePath())
        return true;
    HelpBook book;
    const common::Status loaded = book.load(file);
    if (!loaded.ok()) {
        mPrompter.message(QString::fromStdString(loaded.message()), texts::helpCaption(),
                          prompt::Buttons::Ok, prompt::Icon::Exclamation);
        return false;
    }
    mBook = std::move(book);
    setWindowTitle(mBook.title());
    mBrowser->clearHistory();
    mBrowser->setSearchPaths({mBook.folder()});
    fillContents();
    return true;
}

void HelpWindow::fillContents()
{
    mContents->clear();
    addTopics(nullptr, mContents, mBook.contents());
    mContents->expandToDepth(0);
    mResults->clear();
}

QString HelpWindow::currentPage() const
{
    const QUrl source = mBrowser->source();
    if (source.isEmpty() || !source.isLocalFile())
        return {};
    QString page = mBook.pageFor(source.toLocalFile());
    if (!page.isEmpty() && source.hasFragment())
        page += QLatin1Char('#') + source.fragment();
    return page;
}

void HelpWindow::showPage(const QString &page)
{
    if (page.isEmpty() || !mBook.isLoaded())
        return;
    QUrl url = QUrl::fromLocalFile(mBook.pagePath(page));
    const QString anchor = page.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    mBrowser->setSource(url);
}

void HelpWindow::pageChanged(const QUrl &url)
{
    QString page = url.isLocalFile() ? mBook.pageFor(url.toLocalFile()) : QString();
    if (!page.isEmpty() && url.hasFragment())
        page += QLatin1Char('#') + url.fragment();
    const QString title = mBook.titleOf(page);
    setWindowTitle(title.isEmpty() ? mBook.title() : mBook.title() + QStringLiteral(" - ") + title);

    // The contents follow the page: its topic (or the topic of its file) is selected.
    QTreeWidgetItem *found = nullptr;
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    for (const QString &wanted : {page, file}) {
        for (int i = 0; found == nullptr && i < mContents->topLevelItemCount(); ++i)
            found = findPage(mContents->topLevelItem(i), wanted);
        if (found != nullptr)
            break;
    }
    if (found != nullptr) {
        mContents->setCurrentItem(found);
        mContents->scrollToItem(found);
    } else {
        mContents->clearSelection();
    }
}

void HelpWindow::listTopics()
{
    mResults->clear();
    const QList<HelpSearchHit> hits = mBook.search(mSearchBox->text());
    for (const HelpSearchHit &hit : hits) {
        auto *item = new QListWidgetItem(hit.title, mResults);
        item->setData(kPageRole, hit.page);
    }
    if (hits.isEmpty()) {
        if (!mSearchBox->text().trimmed().isEmpty()) {
            auto *none = new QListWidgetItem(texts::helpNoSearchHits(), mResults);
            none->setFlags(Qt::NoItemFlags);
        }
        mDisplay->setEnabled(false);
        return;
    }
    mResults->setCurrentRow(0);
}

void HelpWindow::showResult()
{
    const QListWidgetItem *item = mResults->currentItem();
    if (item == nullptr || !(item->flags() & Qt::ItemIsEnabled))
        return;
    showPage(item->data(kPageRole).toString());
    // The first word asked for is found on the page, so the reader sees where it stands.
    const QStringList wanted = HelpBook::words(mSearchBox->text());
    if (!wanted.isEmpty()) {
        mBrowser->moveCursor(QTextCursor::Start);
        mBrowser->find(wanted.first());
    }
}

} // namespace vendara
