#pragma once

#include "forms/repair/ChargeForm.h"
#include "print/repair/ChargeListFees.h"
#include "ui/kit/FieldMap.h"
#include "ui/repair/RepairQueueScreen.h"

#include <functional>

class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;

// "结算收费": the jobs awaiting settlement and charge, with the fee panel of the current job,
// "确认结算", "确认收费" and the charge list ("打印[&P]").
class TForm_charge : public RepairQueueScreen
{
    Q_OBJECT
public:
    TForm_charge(AppContext &ctx, RightsTable::Access access, QWidget *parent = nullptr);
    ~TForm_charge() override;

    ChargeForm &form() { return m_form; }

    QLineEdit *receivedEdit, *dueEdit, *chargedEdit, *invoiceEdit;
    QComboBox *methodBox;
    QDateEdit *endDateEdit;
    QPlainTextEdit *remarksEdit;
    QPushButton *settleButton, *chargeButton, *printButton;

    // How the charge list is shown; the print preview unless replaced.
    std::function<void(const RepairJob &, const ChargeListFees &)> showChargeList;

    ChargeForm::Panel panel() const { return m_panel; }
    void onSettle();
    void onCharge();
    void onPrint();

private:
    // The total follows the fees.
    std::optional<RepairJob> readJob(int row) override;
    void showJob() override;
    // The fees with the amount received and the amount due.
    void showFees() override;
    bool feesEditable() const override { return m_panel == ChargeForm::Panel::Settling; }
    // The panel's boxes besides the fees.
    void saveEdits() override;
    // Leaving a fee box writes the fees only.
    void leaveEdit() override;
    void applyPanel();

    ChargeForm m_form;
    ChargeForm::Panel m_panel = ChargeForm::Panel::None;
    // The panel's boxes besides the fees and the end date: what the shown job holds, then what
    // the operator typed.
    ChargeForm::ChargeInput m_boxes;
    FieldMap m_fields{m_keys};
};
