#include "tpasswordform.h"

#include "texts.h"

#include "common/prompt/passwordbox.h"

// Qt
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorvane::ui {

TPasswordForm::TPasswordForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordForm"));
    setWindowTitle(texts::kPasswordTitle);
    setAccessibleName(texts::kPasswordTitle);
    setModal(true);

    auto *label = new QLabel(QStringLiteral("Enter Password:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Enter Password:"));
    prompt::showTypingAsAsterisks(*Edit1);
    Edit1->setMaxLength(19);
    Edit1->setToolTip(QStringLiteral("Enter the Password for this database Here."));
    label->setBuddy(Edit1);

    OKPasswordButton = new QPushButton(QStringLiteral("&OK"), this);
    OKPasswordButton->setObjectName(QStringLiteral("OKPasswordButton"));
    OKPasswordButton->setAccessibleName(QStringLiteral("OK"));
    OKPasswordButton->setDefault(true);
    CancelPasswordButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelPasswordButton->setObjectName(QStringLiteral("CancelPasswordButton"));
    CancelPasswordButton->setAccessibleName(QStringLiteral("Cancel"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setVerticalSpacing(14);
    layout->addWidget(label, 0, 0);
    layout->addWidget(Edit1, 0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKPasswordButton);
    buttons->addWidget(CancelPasswordButton);
    layout->setRowStretch(1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    resize(323, 140);

    connect(OKPasswordButton, &QPushButton::clicked, this, &TPasswordForm::OKPasswordButtonClick);
    connect(CancelPasswordButton, &QPushButton::clicked, this,
            &TPasswordForm::CancelPasswordButtonClick);
    connect(this, &QDialog::rejected, this, [this] { mPassword.clear(); });
}

void TPasswordForm::showEvent(QShowEvent *event)
{
    mPassword.clear();
    Edit1->clear();
    QDialog::showEvent(event);
    Edit1->setFocus();
}

void TPasswordForm::OKPasswordButtonClick()
{
    mPassword = Edit1->text();
    accept();
}

void TPasswordForm::CancelPasswordButtonClick()
{
    mPassword.clear();
    done(kCancelled);
}

} // namespace dorvane::ui
