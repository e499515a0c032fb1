// `sbStatusBar` with its three panels: a text (the product count, hints), the current date
// and the current time.
#pragma once

// Qt
#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

namespace vendara {

class StatusPanels : public QObject
{
    Q_OBJECT

public:
    explicit StatusPanels(QStatusBar *bar);

    void setText(const QString &text);
    [[nodiscard]] QString text() const;
    [[nodiscard]] QLabel *datePanel() const { return mDate; }
    [[nodiscard]] QLabel *timePanel() const { return mTime; }

private:
    void showClock();

    QLabel *mText;
    QLabel *mDate;
    QLabel *mTime;
    QTimer mClock;
};

} // namespace vendara
