// The password dialog of a protected database: created once, emptied each time it shows.
#pragma once

// Qt
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dorvane::ui {

class TPasswordForm : public QDialog
{
    Q_OBJECT

public:
    // The result of closing with the Cancel button; Escape and the window's close button
    // give QDialog::Rejected instead.
    static constexpr int kCancelled = 2;

    explicit TPasswordForm(QWidget *parent = nullptr);

    // The text entered when the dialog closed with OK; empty otherwise.
    [[nodiscard]] const QString &password() const { return mPassword; }

    QLineEdit *Edit1 = nullptr;
    QPushButton *OKPasswordButton = nullptr;
    QPushButton *CancelPasswordButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKPasswordButtonClick();
    void CancelPasswordButtonClick();

    QString mPassword;
};

} // namespace dorvane::ui
