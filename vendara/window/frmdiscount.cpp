#include "frmdiscount.h"

#include "vendara/pricing/discountrate.h"
#include "vendara/pricing/quotetexts.h"

// Qt
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendara {

FrmDiscount::FrmDiscount(Applies applies, std::function<void(float)> apply, QWidget *parent)
    : QDialog(parent)
    , mApplies(applies)
    , mApply(std::move(apply))
    , mCmboDisc(new QComboBox)
    , mCommand1(new QPushButton(QStringLiteral("OK")))
    , mCommand2(new QPushButton(QStringLiteral("Cancel")))
{
    setObjectName(applies == Applies::AllLines ? QStringLiteral("FrmDiscount")
                                               : QStringLiteral("FrmDiscountprod"));
    setWindowTitle(texts::discountCaption());
    setAccessibleName(texts::discountCaption());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *label = new QLabel(texts::applyDiscount());
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(mCmboDisc);
    mCmboDisc->setObjectName(QStringLiteral("CmboDisc"));
    mCmboDisc->setAccessibleName(texts::applyDiscount());
    // A drop-down box whose text can be typed: a text that is not one of the entries, such as
    // "List Price", is the rate 0 and brings the lines back to their list price. Typed texts
    // are neither completed to an entry nor added to the list.
    mCmboDisc->setEditable(true);
    mCmboDisc->setInsertPolicy(QComboBox::NoInsert);
    mCmboDisc->setCompleter(nullptr);
    mCmboDisc->addItems(DiscountRate::entries());
    mCmboDisc->setCurrentIndex(0);
    mCommand1->setObjectName(QStringLiteral("Command1"));
    mCommand1->setAccessibleName(QStringLiteral("OK"));
    mCommand1->setDefault(true);
    mCommand2->setObjectName(QStringLiteral("Command2"));
    mCommand2->setAccessibleName(QStringLiteral("Cancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(mCommand1);
    buttons->addWidget(mCommand2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(mCmboDisc);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));

    connect(mCommand1, &QPushButton::clicked, this, &FrmDiscount::ok);
    connect(mCommand2, &QPushButton::clicked, this, &QDialog::close);
}

void FrmDiscount::ok()
{
    if (mApply)
        mApply(DiscountRate::rate(mCmboDisc->currentText()));
    close();
}

} // namespace vendara
