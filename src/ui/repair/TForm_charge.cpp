#include "ui/repair/TForm_charge.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairRowLook.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using Panel = ChargeForm::Panel;

TForm_charge::TForm_charge(AppContext &ctx, RightsTable::Access access, QWidget *parent)
    : RepairQueueScreen(ctx, parent), m_form(ctx, access)
{
    setWindowTitle(QStringLiteral("结算收费"));
    auto *layout = new QHBoxLayout(this);
    makeQueueList(m_form);
    // Ended jobs red; jobs awaiting settlement blue with white text.
    grid->setItemDelegate(new RepairRowLook(
        [this](int row) {
            RepairRowLook::Colours c;
            switch (m_form.tone(row)) {
            case ChargeForm::Tone::Ended:
                c.background = QColor(Qt::red);
                break;
            case ChargeForm::Tone::Settling:
                c.background = QColor(Qt::blue);
                c.text = QColor(Qt::white);
                break;
            case ChargeForm::Tone::Plain:
                break;
            }
            return c;
        },
        grid));
    layout->addWidget(list, 1);

    auto *panelBox = new QGroupBox(this);
    auto *p = new QGridLayout(panelBox);
    auto edit = [panelBox] { return new QLineEdit(panelBox); };
    partsFeeEdit = edit();
    labourFeeEdit = edit();
    extraFeeEdit = edit();
    totalEdit = edit();
    receivedEdit = edit();
    dueEdit = edit();
    chargedEdit = edit();
    invoiceEdit = edit();
    for (QLineEdit *e : {totalEdit, receivedEdit, dueEdit})
        e->setReadOnly(true);
    methodBox = new QComboBox(panelBox);
    methodBox->addItems(ChargeForm::PaymentMethods);
    endDateEdit = new QDateEdit(panelBox);
    endDateEdit->setCalendarPopup(true);
    endDateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    remarksEdit = new QPlainTextEdit(panelBox);
    remarksEdit->setMaximumHeight(70);
    int r = 0;
    const std::pair<QWidget *, const char *> rows[] = {
        {partsFeeEdit, "材料费："}, {labourFeeEdit, "维修费："}, {extraFeeEdit, "附加费："}, {totalEdit, "合  计："},
        {receivedEdit, "已  收："},  {dueEdit, "应  收:"},        {chargedEdit, "实  收："}, {invoiceEdit, "发票号："},
        {methodBox, "收款方式："},   {endDateEdit, "返回日期："}, {remarksEdit, "备    注："}};
    for (const auto &[w, caption] : rows) {
        p->addWidget(ScreenKit::caption(w, QString::fromUtf8(caption)), r, 0);
        p->addWidget(w, r++, 1);
    }
    settleButton = new QPushButton(QStringLiteral("确认结算"), panelBox);
    chargeButton = new QPushButton(QStringLiteral("确认收费"), panelBox);
    printButton = new QPushButton(QStringLiteral("打印[&P]"), panelBox);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {settleButton, chargeButton, printButton})
        buttons->addWidget(b);
    p->addLayout(buttons, r++, 0, 1, 2);
    p->setRowStretch(r, 1);
    panelBox->setFixedWidth(300);
    layout->addWidget(panelBox);

    // The keyboard: the search bar and the list, then the panel. Enter walks 材料费 → 维修费 →
    // 附加费 → "确认结算", writing the fees; Enter in 实收 moves to "确认收费" when it is enabled.
    using Step = ScreenKit::Step;
    using F = ChargeForm::Field;
    m_keys->route(partsFeeEdit, feeRoute());
    m_keys->route(labourFeeEdit, feeRoute());
    m_keys->route(extraFeeEdit, feeRoute(settleButton));
    m_keys->field(totalEdit);
    m_fields.field(receivedEdit, [this] { return m_job ? m_job->prepayment.toText() : QString(); }, {}).as(F::Received);
    m_fields.field(dueEdit, [this] { return m_job ? ChargeForm::amountDue(*m_job).toText() : QString(); }, {})
        .as(F::Due);
    m_fields.field(chargedEdit, &m_boxes.charged).as(F::Charged).check([this] {
        return chargeButton->isEnabled() ? Step::to(chargeButton) : Step::next();
    });
    m_fields.field(invoiceEdit, &m_boxes.invoiceNumber).as(F::Invoice);
    m_fields.field(methodBox, &m_boxes.paymentMethod).as(F::Method);
    m_keys->field(endDateEdit); // the screen's own, kept from job to job: read when charging
    m_fields.field(remarksEdit, &m_boxes.remarks).as(F::Remarks);
    m_keys->button(settleButton, [this] { onSettle(); });
    m_keys->button(chargeButton, [this] { onCharge(); });
    m_keys->button(printButton, [this] { onPrint(); });
    m_fields.target(F::Settle, settleButton);
    m_fields.target(F::Charge, chargeButton);
    // Leaving a fee box writes the fees, the total following.
    watchEdits({partsFeeEdit, labourFeeEdit, extraFeeEdit});

    showChargeList = [this](const RepairJob &job, const ChargeListFees &fees) {
        RepairDocuments::showChargeList(m_ctx, job, fees, this);
    };

    endDateEdit->setDate(ctx.today());
    m_form.open();
    showRow(list->currentRow());
}

TForm_charge::~TForm_charge()
{
    // Closing writes what the shown job still holds unwritten.
    m_keys->run([this] { flush(); });
}

std::optional<RepairJob> TForm_charge::readJob(int row)
{
    return m_form.current(row);
}

void TForm_charge::showFees()
{
    RepairQueueScreen::showFees();
    m_fields.show(ChargeForm::Field::Received);
    m_fields.show(ChargeForm::Field::Due);
}

void TForm_charge::showJob()
{
    static_cast<ChargeForm::PanelTexts &>(m_boxes) = ChargeForm::panelTexts(m_job);
    RepairQueueScreen::showFees();
    m_fields.show();
    applyPanel();
}

void TForm_charge::applyPanel()
{
    m_panel = m_job ? ChargeForm::panelFor(m_job->state) : Panel::None;
    const bool settling = m_panel == Panel::Settling;
    const bool charging = m_panel == Panel::Charging;
    setFeesEditable(settling);
    for (QLineEdit *e : {chargedEdit, invoiceEdit})
        e->setReadOnly(!charging);
    // An ended job (or none) is only looked at.
    methodBox->setEnabled(settling || charging);
    remarksEdit->setReadOnly(!settling && !charging);
    settleButton->setEnabled(settling);
    chargeButton->setEnabled(charging);
}

void TForm_charge::saveEdits()
{
    m_fields.read();
    m_form.savePanel(m_row, m_boxes);
}

void TForm_charge::leaveEdit()
{
    if (!saveFees(false))
        showFees();
}

void TForm_charge::onSettle()
{
    const int row = flushedRow();
    if (row < 0)
        return;
    if (!m_form.confirmSettlement(row))
        return;
    m_job = m_form.job(row);
    applyPanel();
    m_fields.focus(ChargeForm::Field::Charged);
}

void TForm_charge::onCharge()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_fields.read();
    m_boxes.endDate = endDateEdit->date();
    const ChargeForm::ChargeOutcome outcome = m_form.confirmCharge(row, m_boxes);
    if (outcome != ChargeForm::ChargeOutcome::Charged) {
        m_fields.focus(ChargeForm::refocus(outcome));
        return;
    }
    m_job = m_form.job(row);
    showJob();
    raise();
    activateWindow();
}

void TForm_charge::onPrint()
{
    const std::optional<RepairJob> job = m_form.job(currentRow());
    if (!job)
        return;
    // The fees as the panel shows them, the amount due included.
    ChargeListFees fees;
    fees.partsFee = partsFeeEdit->text();
    fees.labourFee = labourFeeEdit->text();
    fees.extraFee = extraFeeEdit->text();
    fees.total = totalEdit->text();
    fees.received = receivedEdit->text();
    fees.due = dueEdit->text();
    fees.charged = chargedEdit->text();
    fees.invoiceNumber = invoiceEdit->text();
    fees.paymentMethod = methodBox->currentText();
    showChargeList(*job, fees);
}
