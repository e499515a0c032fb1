#include "splitterframe.h"

// Qt
#include <QMouseEvent>

namespace vendara {

SplitterFrame::SplitterFrame(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(QStringLiteral("Splitter"));
    setFrameShape(QFrame::VLine);
    setFrameShadow(QFrame::Sunken);
    setCursor(Qt::SplitHCursor);
}

void SplitterFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QFrame::mousePressEvent(event);
    mDragging = true;
    emit dragStarted();
}

void SplitterFrame::mouseMoveEvent(QMouseEvent *event)
{
    if (mDragging)
        emit dragMoved(int(event->position().x()));
}

void SplitterFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (!mDragging || event->button() != Qt::LeftButton)
        return QFrame::mouseReleaseEvent(event);
    mDragging = false;
    emit dragFinished();
}

} // namespace vendara
