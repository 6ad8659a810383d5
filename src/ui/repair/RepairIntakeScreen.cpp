#include "ui/repair/RepairIntakeInputs.h"

#include "ui/customers/TForm_selcustomer.h"
#include "ui/repair/RepairWidgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

QDateEdit *RepairIntakeInputs::newDateEdit(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setDisplayFormat(QStringLiteral("yyyy'年'M'月'd'日'"));
    edit->setCalendarPopup(true);
    return edit;
}

QPushButton *RepairIntakeInputs::newPickButton(QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("..."), parent);
    button->setToolTip(QStringLiteral("客户目录"));
    button->setFixedWidth(30);
    return button;
}

void RepairIntakeInputs::collect(RepairIntake::Values &v) const
{
    v.number = numberEdit->text();
    v.handledBy = handledByEdit->text();
    v.intakeDate = dateEdit->date();
    v.customer = customerEdit->text();
    v.contact = contactEdit->text();
    v.customerClass = classBox->currentText();
    v.phone = phoneEdit->text();
    v.itemName = itemNameEdit->text();
    v.serial = serialEdit->text();
    v.accessories = accessoriesEdit->text();
    v.prepayment = prepaymentEdit->text();
    v.remarks = remarksEdit->toPlainText();
    v.onSite = onSiteBox->isChecked();
}

void RepairIntakeInputs::fill(const RepairIntake::Values &v, const QDate &today)
{
    numberEdit->setText(v.number);
    handledByEdit->setText(v.handledBy);
    dateEdit->setDate(v.intakeDate.isValid() ? v.intakeDate : today);
    customerEdit->setText(v.customer);
    contactEdit->setText(v.contact);
    RepairWidgets::setText(classBox, v.customerClass);
    phoneEdit->setText(v.phone);
    itemNameEdit->setText(v.itemName);
    serialEdit->setText(v.serial);
    accessoriesEdit->setText(v.accessories);
    prepaymentEdit->setText(v.prepayment);
    if (remarksEdit->toPlainText() != v.remarks)
        remarksEdit->setPlainText(v.remarks);
    onSiteBox->setChecked(v.onSite);
}

std::optional<CustomerRecord> RepairIntakeInputs::pickCustomer(AppContext &ctx, QWidget *parent)
{
    std::optional<CustomerRecord> picked = TForm_selcustomer::pick(ctx, parent);
    if (picked && picked->name.isEmpty())
        return std::nullopt;
    return picked;
}
