#include "generaltab.h"

#include "cp1252guard.h"

#include "vendara/store/linebreaks.h"

// Qt
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace vendara {

namespace {

QGroupBox *frame(const QString &name, const QString &caption, QWidget *box, QWidget *parent)
{
    auto *group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setAccessibleName(caption);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(box);
    return group;
}

QPlainTextEdit *textBox(const QString &name, const QString &caption)
{
    auto *box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setTabChangesFocus(true);
    return box;
}

} // namespace

GeneralTab::GeneralTab(QWidget *parent)
    : QWidget(parent)
    , mTxtPrice(new QLineEdit)
    , mTxtincludes(textBox(QStringLiteral("Txtincludes"), QStringLiteral("Includes")))
    , mTxtnotes(textBox(QStringLiteral("Txtnotes"), QStringLiteral("Notes")))
{
    setObjectName(QStringLiteral("General"));
    mTxtPrice->setObjectName(QStringLiteral("TxtPrice"));
    mTxtPrice->setAccessibleName(QStringLiteral("Price"));
    mFraPrice = frame(QStringLiteral("FraPrice"), QStringLiteral("Price"), mTxtPrice, this);
    mFraMain = frame(QStringLiteral("FraMain"), QStringLiteral("Includes"), mTxtincludes, this);
    mFraNotes = frame(QStringLiteral("FraNotes"), QStringLiteral("Notes"), mTxtnotes, this);
    mFraPrice->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(mFraPrice);
    layout->addWidget(mFraMain);
    layout->addWidget(mFraNotes, 1);

    Cp1252Guard::attach(mTxtPrice);
    Cp1252Guard::attach(mTxtincludes);
    Cp1252Guard::attach(mTxtnotes);
    setLocked(true);
}

void GeneralTab::showDetails(const QString &price, const QString &includes, const QString &notes)
{
    mTxtPrice->setText(price);
    mTxtPrice->setCursorPosition(0);
    mTxtincludes->setPlainText(toDisplayLineBreaks(includes));
    mTxtnotes->setPlainText(toDisplayLineBreaks(notes));
    mTxtPrice->setModified(false);
    mTxtincludes->document()->setModified(false);
    mTxtnotes->document()->setModified(false);
    mShown = {mTxtPrice->text(), includesText(), notesText()};
}

void GeneralTab::showStored(QPlainTextEdit *box, const QString &text, QString &shown)
{
    if (toTableLineBreaks(box->toPlainText()) == text)
        return;
    box->setPlainText(toDisplayLineBreaks(text));
    box->document()->setModified(false);
    shown = toTableLineBreaks(box->toPlainText());
}

void GeneralTab::showStoredIncludes(const QString &includes)
{
    showStored(mTxtincludes, includes, mShown.includes);
}

void GeneralTab::showStoredNotes(const QString &notes)
{
    showStored(mTxtnotes, notes, mShown.notes);
}

ShownDetails GeneralTab::shownDetails() const
{
    auto unlessTyped = [](bool typed, const QString &text) {
        return typed ? std::nullopt : std::optional<QString>(text);
    };
    return {unlessTyped(mTxtPrice->isModified(), mShown.price),
            unlessTyped(mTxtincludes->document()->isModified(), mShown.includes),
            unlessTyped(mTxtnotes->document()->isModified(), mShown.notes)};
}

QString GeneralTab::includesText() const
{
    return toTableLineBreaks(mTxtincludes->toPlainText());
}

QString GeneralTab::notesText() const
{
    return toTableLineBreaks(mTxtnotes->toPlainText());
}

void GeneralTab::setLocked(bool locked)
{
    mTxtPrice->setReadOnly(locked);
    mTxtincludes->setReadOnly(locked);
    mTxtnotes->setReadOnly(locked);
}

void GeneralTab::resizeEvent(QResizeEvent *event)
{
    // The includes frame takes a quarter of the tab's height, the notes frame the rest.
    mFraMain->setFixedHeight(std::max(60, height() / 4));
    QWidget::resizeEvent(event);
}

} // namespace vendara
