#include "mainarea.h"

#include "splitterframe.h"
#include "splitterrule.h"

// Qt
#include <QTabWidget>

namespace vendara {

namespace {

constexpr int kSplitterWidth = 6; // pixels: wide enough to grab
constexpr int kMargin = 3;        // pixels around the tabs

} // namespace

MainArea::MainArea(QWidget *grid, QTabWidget *tabs, QWidget *parent)
    : QWidget(parent)
    , mGrid(grid)
    , mSplitter(new SplitterFrame(this))
    , mTabs(tabs)
{
    setObjectName(QStringLiteral("MainArea"));
    mGrid->setParent(this);
    mTabs->setParent(this);
    connect(mSplitter, &SplitterFrame::dragMoved, this, &MainArea::dragSplitter);
    connect(mSplitter, &SplitterFrame::dragFinished, this, [this] {
        mTabs->show();
        relayout();
    });
}

void MainArea::setScreenSplit(int percent)
{
    if (percent == mScreenSplit)
        return;
    mScreenSplit = percent;
    emit screenSplitChanged(percent);
}

void MainArea::placeTabs(int left)
{
    mTabs->setGeometry(left, kMargin, std::max(0, width() - left - kMargin),
                       std::max(0, height() - 2 * kMargin));
}

void MainArea::relayout()
{
    const QWidget *window = this->window();
    if (mTwips.fromPixels(window->height()) < 701 || mScreenSplit == 0)
        return;
    mTabs->show();
    if (mScreenSplit > SplitterRule::MostSplit)
        setScreenSplit(SplitterRule::MostSplit);
    const int gridWidth = int(width() * mScreenSplit * 0.01);
    mGrid->setGeometry(0, 0, gridWidth, height());
    mSplitter->setGeometry(gridWidth, 0, kSplitterWidth, height());
    placeTabs(gridWidth + kSplitterWidth);
}

void MainArea::dragSplitter(int pointerX)
{
    mTabs->hide();
    const auto move = SplitterRule::drag(mTwips.fromPixels(mSplitter->x()),
                                         mTwips.fromPixels(pointerX), mTwips.fromPixels(width()),
                                         mTwips.fromPixels(window()->frameGeometry().width()));
    if (!move)
        return;
    const int position = mTwips.toPixels(move->position);
    mGrid->setGeometry(0, 0, position, height());
    mSplitter->move(position, 0);
    placeTabs(position + kSplitterWidth);
    setScreenSplit(move->screenSplit);
}

void MainArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

} // namespace vendara
