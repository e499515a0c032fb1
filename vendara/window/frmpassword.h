// `FrmPassword`: the user password prompt at start. Releasing Enter in the box does what OK
// does; closing the prompt any other way gives no password.
#pragma once

// Qt
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vendara {

class FrmPassword : public QDialog
{
    Q_OBJECT

public:
    explicit FrmPassword(QWidget *parent = nullptr);

    [[nodiscard]] QLineEdit *txtPW() const { return mTxtPW; }
    [[nodiscard]] QPushButton *okButton() const { return mOKButton; }
    [[nodiscard]] QString typedText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *mTxtPW;
    QPushButton *mOKButton;
};

} // namespace vendara
