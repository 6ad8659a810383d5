#pragma once

#include "forms/repair/ChargeForm.h"
#include "print/repair/ChargeListFees.h"

#include <QWidget>
#include <functional>
#include <optional>

class ListScreen;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class ScreenKit;

// "结算收费": the jobs awaiting settlement and charge, with the fee panel of the current job,
// "确认结算", "确认收费" and the charge list ("打印[&P]").
class TForm_charge : public QWidget
{
    Q_OBJECT
public:
    TForm_charge(AppContext &ctx, RightsTable::Access access, QWidget *parent = nullptr);
    ~TForm_charge() override;

    ChargeForm &form() { return m_form; }

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QTableView *grid;
    QLineEdit *partsFeeEdit, *labourFeeEdit, *extraFeeEdit, *totalEdit, *receivedEdit, *dueEdit, *chargedEdit,
        *invoiceEdit;
    QComboBox *methodBox;
    QDateEdit *endDateEdit;
    QPlainTextEdit *remarksEdit;
    QPushButton *settleButton, *chargeButton, *printButton;

    // How the charge list is shown; the print preview unless replaced.
    std::function<void(const RepairJob &, const ChargeListFees &)> showChargeList;

    int currentRow() const;
    ChargeForm::Panel panel() const { return m_panel; }
    void onSettle();
    void onCharge();
    void onPrint();
    void openDetail();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRow(int row);
    void showJob();
    void showFees();
    void applyPanel();
    void flush();
    bool saveFees(bool refocus = true);

    AppContext &m_ctx;
    ChargeForm m_form;
    ScreenKit *m_keys;
    int m_row = -1;
    std::optional<RepairJob> m_job;
    ChargeForm::Panel m_panel = ChargeForm::Panel::None;
};
