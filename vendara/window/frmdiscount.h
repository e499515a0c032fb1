// The discount dialogs `FrmDiscount` ("Discount &All": every quote line) and
// `FrmDiscountprod` ("Discount &Product": the quote grid's current line): caption
// "Discount", the drop-down box `CmboDisc` of percentages under "Apply Discount" with "1%"
// selected (its text can also be typed), OK (`Command1`) and Cancel (`Command2`). They do
// not block the main window; OK hands the chosen rate to `apply` and closes, Cancel only
// closes.
#pragma once

// Qt
#include <QDialog>

// std
#include <functional>

class QComboBox;
class QPushButton;

namespace vendara {

class FrmDiscount : public QDialog
{
    Q_OBJECT

public:
    enum class Applies { AllLines, CurrentLine };

    FrmDiscount(Applies applies, std::function<void(float rate)> apply, QWidget *parent = nullptr);

    [[nodiscard]] Applies applies() const { return mApplies; }
    [[nodiscard]] QComboBox *cmboDisc() const { return mCmboDisc; }
    [[nodiscard]] QPushButton *command1() const { return mCommand1; }
    [[nodiscard]] QPushButton *command2() const { return mCommand2; }

private:
    void ok();

    Applies mApplies;
    std::function<void(float)> mApply;
    QComboBox *mCmboDisc;
    QPushButton *mCommand1;
    QPushButton *mCommand2;
};

} // namespace vendara
