#include "statuspanels.h"

// Qt
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

#include "vendara/store/numberforms.h"

namespace vendara {

namespace {

// A panel's text is its name for a screen reader; what the panel is for is its
// description.
QLabel *panel(const QString &name, const QString &description, QStatusBar *bar)
{
    auto *label = new QLabel(bar);
    label->setObjectName(name);
    label->setAccessibleDescription(description);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

} // namespace

StatusPanels::StatusPanels(QStatusBar *bar)
    : QObject(bar)
    , mText(panel(QStringLiteral("Panel1"), QStringLiteral("Status"), bar))
    , mDate(panel(QStringLiteral("Panel2"), QStringLiteral("Date"), bar))
    , mTime(panel(QStringLiteral("Panel3"), QStringLiteral("Time"), bar))
{
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    bar->addWidget(mText, 1);
    bar->addPermanentWidget(mDate);
    bar->addPermanentWidget(mTime);
    mDate->setAlignment(Qt::AlignCenter);
    mTime->setAlignment(Qt::AlignCenter);
    showClock();
    connect(&mClock, &QTimer::timeout, this, &StatusPanels::showClock);
    mClock.start(1000);
}

void StatusPanels::setText(const QString &text)
{
    mText->setText(text);
}

QString StatusPanels::text() const
{
    return mText->text();
}

void StatusPanels::showClock()
{
    const QLocale locale = NumberForms::locale();
    const QDateTime now = QDateTime::currentDateTime();
    mDate->setText(locale.toString(now.date(), QLocale::ShortFormat));
    mTime->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

} // namespace vendara
