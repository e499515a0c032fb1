#include "frmsplash1.h"

#include "frmpassword.h"
#include "icons.h"

// Qt
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace vendara {

namespace {

constexpr int kWidth = 520;
constexpr int kPictureHeight = 220;

} // namespace

FrmSplash1::FrmSplash1(std::function<int()> loadMain, std::function<void()> showMain,
                       QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , mLoadMain(std::move(loadMain))
    , mShowMain(std::move(showMain))
{
    setObjectName(QStringLiteral("FrmSplash1"));
    setAccessibleName(QStringLiteral("Vendara"));
    setWindowIcon(Icons::program());
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto *version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral("1.3")), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignRight);
    auto *warning = new QLabel(warningText(), this);
    warning->setObjectName(QStringLiteral("lblWarning"));
    warning->setAccessibleName(warningText());
    warning->setWordWrap(true);
    QFont small = warning->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    warning->setFont(small);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, kPictureHeight + 8, 18, 14);
    layout->addWidget(version);
    layout->addWidget(warning);
    const QMargins margins = layout->contentsMargins();
    const int textWidth = kWidth - margins.left() - margins.right();
    setFixedSize(kWidth, margins.top() + version->sizeHint().height() + layout->spacing()
                             + warning->heightForWidth(textWidth) + margins.bottom());

    mTimer1.setObjectName(QStringLiteral("Timer1"));
    mTimer1.setInterval(10);
    connect(&mTimer1, &QTimer::timeout, this, [this] { ++mTicks; });
}

FrmSplash1::~FrmSplash1()
{
    delete mPassword;
}

QString FrmSplash1::warningText()
{
    return QStringLiteral(
        "Warning: this program is protected by copyright law and international treaties. "
        "Unauthorised reproduction or distribution of this program, or of any part of it, may "
        "result in severe civil and criminal penalties and will be prosecuted to the fullest "
        "extent of the law.");
}

void FrmSplash1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xf4, 0xf6, 0xf9));
    QSvgRenderer picture(Icons::splashPicture());
    picture.render(&painter, QRectF(0, 0, kWidth, kPictureHeight));
    painter.setPen(QColor(0x9d, 0xb3, 0xd3));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FrmSplash1::showSplash()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    mTimer1.start();
    show();
    raise();
    // Paint it now, before the main window loads.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

int FrmSplash1::loadMainWindow()
{
    return mLoadMain ? mLoadMain() : 0;
}

std::optional<QString> FrmSplash1::askPassword()
{
    if (mPassword.isNull())
        mPassword = new FrmPassword(this);
    mPassword->txtPW()->clear();
    if (mPassword->exec() != QDialog::Accepted)
        return std::nullopt;
    return mPassword->typedText();
}

void FrmSplash1::waitForSplashTicks(int ticks)
{
    if (!mTimer1.isActive())
        mTimer1.start();
    QEventLoop wait;
    QTimer check;
    connect(&check, &QTimer::timeout, &wait, [&] {
        if (mTicks >= ticks)
            wait.quit();
    });
    check.start(5);
    if (mTicks < ticks)
        wait.exec();
}

void FrmSplash1::showMainWindow()
{
    if (mShowMain)
        mShowMain();
}

void FrmSplash1::closeStartupWindows()
{
    mTimer1.stop();
    delete mPassword;
    hide();
}

} // namespace vendara
