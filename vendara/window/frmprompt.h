// The small prompt window that Find opens ("Locate Product"): a message, a text box, OK and
// Cancel. It is modeless; its state (`PromptState`) says whether it is open and how it was
// closed. OK and Enter in the box keep the text; Cancel, Escape and closing the window empty
// it.
#pragma once

// Qt
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vendara {

class PromptState;

class FrmPrompt : public QDialog
{
    Q_OBJECT

public:
    FrmPrompt(PromptState &state, QWidget *parent = nullptr);

    [[nodiscard]] QLabel *message() const { return mMessage; }
    [[nodiscard]] QLineEdit *textBox() const { return mTextBox; }
    [[nodiscard]] QPushButton *okButton() const { return mOkButton; }
    [[nodiscard]] QPushButton *cancelButton() const { return mCancelButton; }

    void accept() override;
    void reject() override;

private:
    void stateOpened();

    PromptState &mState;
    QLabel *mMessage;
    QLineEdit *mTextBox;
    QPushButton *mOkButton;
    QPushButton *mCancelButton;
};

} // namespace vendara
