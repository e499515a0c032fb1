#include "frmpassword.h"

#include "icons.h"

#include "common/prompt/passwordbox.h"

// Qt
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendara {

FrmPassword::FrmPassword(QWidget *parent)
    : QDialog(parent)
    , mTxtPW(new QLineEdit)
    , mOKButton(new QPushButton(QStringLiteral("OK")))
{
    setObjectName(QStringLiteral("FrmPassword"));
    setWindowTitle(QStringLiteral("Enter user password"));
    setAccessibleName(windowTitle());
    setWindowIcon(Icons::program());
    setModal(true);

    mTxtPW->setObjectName(QStringLiteral("TxtPW"));
    mTxtPW->setAccessibleName(QStringLiteral("Password"));
    prompt::showTypingAsAsterisks(*mTxtPW);
    mTxtPW->setMinimumWidth(220);
    mTxtPW->installEventFilter(this);
    mOKButton->setObjectName(QStringLiteral("OKButton"));
    mOKButton->setAccessibleName(QStringLiteral("OK"));
    // Enter acts when it is released in the box, not through a default button.
    mOKButton->setAutoDefault(false);
    mOKButton->setDefault(false);
    connect(mOKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(mOKButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mTxtPW);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FrmPassword::typedText() const
{
    return mTxtPW->text();
}

bool FrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mTxtPW) {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat())
                    accept();
                return true; // the press must not reach the dialog's default handling
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vendara
