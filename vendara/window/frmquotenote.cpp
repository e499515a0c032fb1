#include "frmquotenote.h"

#include "cp1252guard.h"

#include "common/prompt/prompter.h"
#include "vendara/pricing/quotedocument.h"
#include "vendara/pricing/quotetexts.h"
#include "vendara/store/settingsstore.h"

// Qt
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendara {

namespace {

// The boxes show their text as the document will: the heading in bold 12 point, the
// closing text in bold 10 point, both in Times New Roman.
QPlainTextEdit *noteBox(const QString &name, const QString &caption, int pointSize)
{
    auto *box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setTabChangesFocus(true);
    QFont font(QStringLiteral("Times New Roman"), pointSize);
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    box->setFont(font);
    Cp1252Guard::attach(box);
    return box;
}

QLabel *labelFor(QWidget *box, const QString &caption)
{
    auto *label = new QLabel(caption);
    label->setBuddy(box);
    return label;
}

} // namespace

FrmQuoteNote::FrmQuoteNote(QuoteNotes notes, SettingsStore &settings, prompt::Prompter &prompter,
                           QWidget *parent)
    : QDialog(parent)
    , mNotes(std::move(notes))
    , mSettings(settings)
    , mPrompter(prompter)
    , mTxttop(noteBox(QStringLiteral("txttop"), texts::quoteHeading(), 12))
    , mTxtbottom(noteBox(QStringLiteral("txtbottom"), texts::endOfQuote(), 10))
    , mChkincludes(new QCheckBox(texts::doNotShowIncludes()))
    , mCmdOK(new QPushButton(QStringLiteral("OK")))
    , mCmdNextTip(new QPushButton(QStringLiteral("&Cancel")))
{
    setObjectName(QStringLiteral("FrmQuoteNote"));
    setWindowTitle(texts::quoteNoteCaption());
    setAccessibleName(texts::quoteNoteCaption());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    mChkincludes->setObjectName(QStringLiteral("Chkincludes"));
    mChkincludes->setAccessibleName(texts::doNotShowIncludes());
    mCmdOK->setObjectName(QStringLiteral("CmdOK"));
    mCmdOK->setAccessibleName(QStringLiteral("OK"));
    mCmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    mCmdNextTip->setAccessibleName(QStringLiteral("Cancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(mChkincludes);
    buttons->addStretch(1);
    buttons->addWidget(mCmdOK);
    buttons->addWidget(mCmdNextTip);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(labelFor(mTxttop, texts::quoteHeading()));
    layout->addWidget(mTxttop, 1);
    layout->addWidget(labelFor(mTxtbottom, texts::endOfQuote()));
    layout->addWidget(mTxtbottom, 1);
    layout->addLayout(buttons);
    resize(520, 440);

    // A note file that is missing leaves its box empty.
    mChkincludes->setChecked(QuoteDocument::noIncludes(mSettings));
    mTxtbottom->setPlainText(mNotes.closing().value_or(QString()));
    mTxttop->setPlainText(mNotes.heading().value_or(QString()));

    // The check box is stored at once, whether or not the dialog is confirmed.
    connect(mChkincludes, &QCheckBox::clicked, this,
            [this](bool checked) { QuoteDocument::setNoIncludes(mSettings, checked); });
    connect(mCmdOK, &QPushButton::clicked, this, &FrmQuoteNote::ok);
    connect(mCmdNextTip, &QPushButton::clicked, this, &QDialog::close);
}

void FrmQuoteNote::ok()
{
    const common::Status saved = mNotes.save(mTxttop->toPlainText(), mTxtbottom->toPlainText());
    if (!saved.ok()) {
        mPrompter.message(QString::fromStdString(saved.message()), texts::quoteNoteCaption(),
                          prompt::Buttons::Ok, prompt::Icon::Exclamation);
        return;
    }
    close();
}

} // namespace vendara
