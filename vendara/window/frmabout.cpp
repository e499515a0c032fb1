#include "frmabout.h"

#include "helptexts.h"
#include "icons.h"
#include "systeminformation.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendara {

frmAbout::frmAbout(const QString &catalogueFile, SystemInformation &systemInformation,
                   QWidget *parent)
    : QDialog(parent)
    , mVersion(new QLabel(versionText()))
    , mDescription(new QLabel(texts::aboutDescription()))
    , mCatalogue(new QLabel)
    , mOk(new QPushButton(QStringLiteral("OK")))
    , mSysInfo(new QPushButton(QStringLiteral("&System Info...")))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(texts::aboutCaption());
    setAccessibleName(texts::aboutCaption());
    setWindowIcon(Icons::program());
    setModal(true);

    auto *picture = new QLabel;
    picture->setPixmap(Icons::program().pixmap(64, 64));
    picture->setAccessibleName(QStringLiteral("Vendara"));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *title = new QLabel(QStringLiteral("Vendara"));
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setAccessibleName(QStringLiteral("Vendara"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    mVersion->setObjectName(QStringLiteral("lblVersion"));
    mVersion->setAccessibleName(mVersion->text());
    mDescription->setObjectName(QStringLiteral("lblDescription"));
    mDescription->setAccessibleName(mDescription->text());
    mDescription->setWordWrap(true);

    const QString path = QDir::toNativeSeparators(QFileInfo(catalogueFile).absoluteFilePath());
    auto *catalogueLabel = new QLabel(QStringLiteral("Catalogue file:"));
    mCatalogue->setObjectName(QStringLiteral("lblCatalogue"));
    mCatalogue->setText(path);
    // The path is the label's name for a screen reader; its buddy label says what it is.
    mCatalogue->setAccessibleDescription(QStringLiteral("Catalogue file"));
    mCatalogue->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mCatalogue->setWordWrap(true);
    mCatalogue->setMinimumWidth(320);
    catalogueLabel->setBuddy(mCatalogue);

    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    mOk->setObjectName(QStringLiteral("cmdOK"));
    mOk->setAccessibleName(QStringLiteral("OK"));
    mOk->setDefault(true);
    mSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    mSysInfo->setAccessibleName(QStringLiteral("System Info..."));
    mSysInfo->setAutoDefault(false);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(mVersion);
    text->addSpacing(6);
    text->addWidget(mDescription);
    text->addSpacing(10);
    text->addWidget(catalogueLabel);
    text->addWidget(mCatalogue);
    text->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(mOk);
    buttons->addWidget(mSysInfo);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);

    connect(mOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(mSysInfo, &QPushButton::clicked, this,
            [&systemInformation] { systemInformation.StartSysInfo(); });
}

QString frmAbout::versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(VENDARA_VERSION_MAJOR)
        .arg(VENDARA_VERSION_MINOR)
        .arg(VENDARA_VERSION_PATCH);
}

} // namespace vendara
