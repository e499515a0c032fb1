#include "frmprompt.h"

#include "editingtexts.h"
#include "promptstate.h"

// Qt
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendara {

FrmPrompt::FrmPrompt(PromptState &state, QWidget *parent)
    : QDialog(parent)
    , mState(state)
    , mMessage(new QLabel)
    , mTextBox(new QLineEdit)
{
    setObjectName(QStringLiteral("FrmPrompt"));
    setWindowTitle(texts::locateProductCaption());
    setAccessibleName(windowTitle());
    setModal(false);
    if (parent != nullptr)
        setWindowIcon(parent->windowIcon());

    mMessage->setObjectName(QStringLiteral("lblMsg"));
    mMessage->setWordWrap(true);
    mMessage->setBuddy(mTextBox);
    mTextBox->setObjectName(QStringLiteral("txtInput"));
    mTextBox->setMinimumWidth(280);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    mOkButton = buttons->button(QDialogButtonBox::Ok);
    mCancelButton = buttons->button(QDialogButtonBox::Cancel);
    mOkButton->setObjectName(QStringLiteral("cmdOK"));
    mOkButton->setAccessibleName(QStringLiteral("OK"));
    mCancelButton->setObjectName(QStringLiteral("cmdCancel"));
    mCancelButton->setAccessibleName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmPrompt::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FrmPrompt::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mMessage);
    layout->addWidget(mTextBox);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&mState, &PromptState::opened, this, &FrmPrompt::stateOpened);
}

void FrmPrompt::stateOpened()
{
    mMessage->setText(mState.MsgText());
    mTextBox->setAccessibleName(mState.MsgText());
    mTextBox->setText(mState.text());
    mTextBox->selectAll();
    show();
    raise();
    activateWindow();
    mTextBox->setFocus();
}

void FrmPrompt::accept()
{
    mState.setText(mTextBox->text());
    mState.confirm();
    QDialog::accept();
}

void FrmPrompt::reject()
{
    // Cancel, Escape and the window's close button alike.
    mTextBox->clear();
    mState.cancel();
    QDialog::reject();
}

} // namespace vendara
