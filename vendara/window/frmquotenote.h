// `FrmQuoteNote`, caption "Quote Note": the heading of quote documents ("Quote Heading",
// `txttop`), their closing text ("End of Quote", `txtbottom`) and `Chkincludes` "Do not show
// Includes information", stored at once as the setting `NoIncludes`. OK (`CmdOK`) saves both
// texts to the note files and closes; a failed save is reported and the dialog stays open.
// "&Cancel" (`cmdNextTip`) closes without saving. It does not block the main window.
#pragma once

#include "vendara/pricing/quotenotes.h"

// Qt
#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace prompt {
class Prompter;
}

namespace vendara {

class SettingsStore;

class FrmQuoteNote : public QDialog
{
    Q_OBJECT

public:
    FrmQuoteNote(QuoteNotes notes, SettingsStore &settings, prompt::Prompter &prompter,
                 QWidget *parent = nullptr);

    [[nodiscard]] QPlainTextEdit *txttop() const { return mTxttop; }
    [[nodiscard]] QPlainTextEdit *txtbottom() const { return mTxtbottom; }
    [[nodiscard]] QCheckBox *chkincludes() const { return mChkincludes; }
    [[nodiscard]] QPushButton *cmdOK() const { return mCmdOK; }
    [[nodiscard]] QPushButton *cmdNextTip() const { return mCmdNextTip; }

private:
    void ok();

    QuoteNotes mNotes;
    SettingsStore &mSettings;
    prompt::Prompter &mPrompter;
    QPlainTextEdit *mTxttop;
    QPlainTextEdit *mTxtbottom;
    QCheckBox *mChkincludes;
    QPushButton *mCmdOK;
    QPushButton *mCmdNextTip;
};

} // namespace vendara
