// The "General" tab: the current product's price, includes and notes.
#pragma once

#include "detailcommit.h"

// Qt
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

namespace vendara {

class GeneralTab : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralTab(QWidget *parent = nullptr);

    [[nodiscard]] QGroupBox *fraPrice() const { return mFraPrice; }
    [[nodiscard]] QLineEdit *txtPrice() const { return mTxtPrice; }
    [[nodiscard]] QGroupBox *fraMain() const { return mFraMain; }
    [[nodiscard]] QPlainTextEdit *txtIncludes() const { return mTxtincludes; }
    [[nodiscard]] QGroupBox *fraNotes() const { return mFraNotes; }
    [[nodiscard]] QPlainTextEdit *txtNotes() const { return mTxtnotes; }

    // Texts as the table holds them (CR LF line breaks).
    void showDetails(const QString &price, const QString &includes, const QString &notes);
    // After the table took the includes or notes (as the table holds them): a box whose text
    // the table stored in another form (without the line breaks it began with) shows the
    // stored text, so the window shows what will be saved.
    void showStoredIncludes(const QString &includes);
    void showStoredNotes(const QString &notes);
    // What showDetails filled the boxes with, as the boxes give it back; nothing for a box the
    // user has typed into since.
    [[nodiscard]] ShownDetails shownDetails() const;
    // The boxes as the table would take them (CR LF line breaks).
    [[nodiscard]] QString includesText() const;
    [[nodiscard]] QString notesText() const;
    // Locked boxes can be read and copied but not changed.
    void setLocked(bool locked);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showStored(QPlainTextEdit *box, const QString &text, QString &shown);

    QGroupBox *mFraPrice;
    QLineEdit *mTxtPrice;
    QGroupBox *mFraMain;
    QPlainTextEdit *mTxtincludes;
    QGroupBox *mFraNotes;
    QPlainTextEdit *mTxtnotes;
    ProductDetails mShown;
};

} // namespace vendara
