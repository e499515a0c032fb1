// `Frame1`: the thin frame between the product grid and the tabs that the user drags.
#pragma once

// Qt
#include <QFrame>

namespace vendara {

class SplitterFrame : public QFrame
{
    Q_OBJECT

public:
    explicit SplitterFrame(QWidget *parent = nullptr);

    [[nodiscard]] bool dragging() const { return mDragging; }

signals:
    void dragStarted();
    // The pointer's x, in pixels from the frame's left edge.
    void dragMoved(int pointerX);
    void dragFinished();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool mDragging = false;
};

} // namespace vendara
