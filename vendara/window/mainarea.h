// The main window's working area: the product grid on the left, the splitter `Frame1`, the
// tabs `SSTabmain` on the right. The grid's width is the stored percentage `ScreenSplit` of
// the window's width; dragging the splitter changes it.
#pragma once

#include "twips.h"

// Qt
#include <QWidget>

class QTabWidget;

namespace vendara {

class SplitterFrame;

class MainArea : public QWidget
{
    Q_OBJECT

public:
    MainArea(QWidget *grid, QTabWidget *tabs, QWidget *parent = nullptr);

    [[nodiscard]] SplitterFrame *splitter() const { return mSplitter; }
    [[nodiscard]] int screenSplit() const { return mScreenSplit; }
    void setScreenSplit(int percent);
    void setTwips(const Twips &twips) { mTwips = twips; }
    [[nodiscard]] const Twips &twips() const { return mTwips; }

    // Lays grid, splitter and tabs out again from the window's size and `ScreenSplit`.
    // Nothing is done while the window's inner height is below 701 twips or ScreenSplit is 0;
    // a ScreenSplit above 98 becomes 98.
    void relayout();
    // One step of a splitter drag with the pointer `pointerX` pixels right of the splitter's
    // left edge: ignored when it would come closer than 500 twips to either edge.
    void dragSplitter(int pointerX);

signals:
    void screenSplitChanged(int percent);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeTabs(int left);

    QWidget *mGrid;
    SplitterFrame *mSplitter;
    QTabWidget *mTabs;
    Twips mTwips;
    int mScreenSplit = 50;
};

} // namespace vendara
