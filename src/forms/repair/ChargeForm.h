#pragma once

#include "forms/repair/RepairQueueForm.h"

#include <QDate>

// "结算收费": the jobs awaiting settlement ("待结算") and charge ("待收费"). "确认结算" fixes the
// fees; "确认收费" takes the money, ends the job, records its gross profit and plans the customer's
// follow-up visit where the rules ask for one.
class ChargeForm : public RepairQueueForm
{
public:
    static inline const QString SettledMessage = QStringLiteral("结算完成！");
    static inline const QString MismatchQuestion = QStringLiteral("实际收费与应收费用不符，是否继续?");
    static inline const QString DeclinedMessage = QStringLiteral("操作被取消！");
    static inline const QString EndedMessage = QStringLiteral("业务结束！");
    static inline const QString ChargedNotNumberMessage = QStringLiteral("实收金额应该为数字！");
    static inline const QStringList PaymentMethods = {QStringLiteral("现金"), QStringLiteral("支票"),
                                                      QStringLiteral("暂欠款")};

    // What the fee panel lets the operator do for a job in a state.
    enum class Panel {
        None,     // no job listed
        Settling, // 待结算: fees editable, "确认结算"
        Charging, // 待收费: amount charged and invoice editable, "确认收费"
        Closed,   // any other state (已结束 after charging): nothing
    };
    static Panel panelFor(const QString &state);

    // How a row is drawn.
    enum class Tone { Plain, Settling, Ended };
    Tone tone(int row) const;

    static ListDeclaration declaration();

    ChargeForm(AppContext &ctx, RightsTable::Access access = RightsTable::Access::Full);

    // The panel's boxes besides the fees, as the focus names them.
    enum class Field { None, Received, Due, Charged, Invoice, Method, Remarks, Settle, Charge };

    // The current row's job with "费用合计" = the sum of its fees: read, then written when the
    // stored total differs.
    std::optional<RepairJob> current(int row);
    // "应  收:", shown and checked against the amount charged: the sum of the fees less the prepayment.
    static Money amountDue(const RepairJob &job);

    // The panel's texts besides the fees, as typed.
    struct PanelTexts
    {
        QString charged; // "实  收："
        QString invoiceNumber;
        QString paymentMethod; // empty: none chosen
        QString remarks;
    };
    // What the panel shows of a job (none: empty).
    static PanelTexts panelTexts(const std::optional<RepairJob> &job);
    // What the panel lets the operator change in the job's state, written where it differs from
    // the job (leaving the job or the screen): amount charged and invoice number while it awaits
    // its charge (an amount that is not a number is not kept), payment method and remarks until
    // it ends.
    void savePanel(int row, const PanelTexts &texts);

    // "确认结算": true when the job moved on (the panel then takes the amount charged).
    bool confirmSettlement(int row);

    // What the panel holds when "确认收费" is pressed: its texts ("实  收：" empty reads 0) and
    // "返回日期：".
    struct ChargeInput : PanelTexts
    {
        QDate endDate;
    };
    enum class ChargeOutcome {
        Nothing,   // no job, or a state that does not charge
        Refused,   // already ended (message shown)
        Unsettled, // still awaiting settlement (message shown): settle first
        BadAmount, // the amount is not a number (message shown)
        Declined,  // the amount differs from the amount due and the operator said no
        Charged,
    };
    ChargeOutcome confirmCharge(int row, const ChargeInput &input);
    // Where the focus goes after "确认收费" did not charge: "确认结算" to settle first, "实  收："
    // for an amount refused or declined; None otherwise.
    static Field refocus(ChargeOutcome outcome);
};
