// The converter window's "About" tab: the program's picture, title, version and contact.
#include "mainwindow.h"

#include "texts.h"

// Qt
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace dorvane::ui {

namespace {

// The program's picture: a handheld organiser beside a sheet of comma-separated values,
// joined by the two arrows of a conversion.
QPixmap aboutPicture()
{
    QPixmap pixmap(180, 180);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The sheet.
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(106, 22, 62, 80));
    p.setPen(QPen(QColor(40, 100, 170), 2));
    for (int row = 0; row < 6; ++row) {
        const qreal y = 34 + row * 11;
        p.drawLine(QPointF(114, y), QPointF(128, y));
        p.drawLine(QPointF(134, y), QPointF(160, y));
    }

    // The handheld.
    p.setPen(QPen(QColor(50, 50, 50), 2));
    p.setBrush(QColor(120, 130, 140));
    p.drawRoundedRect(QRectF(12, 40, 78, 128), 12, 12);
    p.setBrush(QColor(176, 196, 150));
    p.drawRect(QRectF(22, 52, 58, 66));
    p.setPen(QPen(QColor(60, 70, 50), 1.5));
    for (int row = 0; row < 5; ++row)
        p.drawLine(QPointF(28, 62 + row * 11), QPointF(74, 62 + row * 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 75, 80));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(26 + i * 17, 140), 5, 5);
    p.drawRoundedRect(QRectF(38, 152, 26, 7), 3, 3);

    // The arrows.
    p.setPen(QPen(QColor(200, 90, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath there;
    there.moveTo(90, 120);
    there.quadTo(120, 140, 140, 112);
    p.drawPath(there);
    p.drawLine(QPointF(140, 112), QPointF(128, 116));
    p.drawLine(QPointF(140, 112), QPointF(141, 124));
    QPainterPath back;
    back.moveTo(140, 150);
    back.quadTo(118, 170, 92, 150);
    p.drawPath(back);
    p.drawLine(QPointF(92, 150), QPointF(104, 148));
    p.drawLine(QPointF(92, 150), QPointF(96, 162));
    return pixmap;
}

} // namespace

QWidget *MainWindow::buildAboutPage()
{
    auto *page = new QWidget(this);
    auto *picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("AboutPicture"));
    picture->setAccessibleName(QStringLiteral("Quirra Desktop picture"));
    picture->setPixmap(aboutPicture());

    auto *panel = new QFrame(page);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto *title = new QLabel(texts::kWindowTitle, panel);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *version =
        new QLabel(QStringLiteral("Version %1").arg(QApplication::applicationVersion()), panel);
    version->setObjectName(QStringLiteral("VersionLabel"));
    auto *about = new QLabel(QStringLiteral("Converts Quirra handheld databases (.PDB) to CSV "
                                            "files and CSV files to Quirra databases, shows and "
                                            "prints databases, and installs them for the next "
                                            "HotSync."),
                             panel);
    about->setWordWrap(true);
    auto *contact = new QLabel(QStringLiteral("Ships with Vendara, the product catalogue.\n"
                                              "Questions and suggestions: your Vendara supplier."),
                               panel);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(18, 16, 18, 16);
    panelLayout->setSpacing(10);
    panelLayout->addWidget(title);
    panelLayout->addWidget(version);
    panelLayout->addWidget(about);
    panelLayout->addStretch(1);
    panelLayout->addWidget(contact);

    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(20);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addWidget(panel, 1);
    return page;
}

} // namespace dorvane::ui
