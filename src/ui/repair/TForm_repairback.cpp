#include "ui/repair/TForm_repairback.h"

#include "forms/app/AppContext.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairWidgets.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using F = RepairBackForm::Field;

TForm_repairback::TForm_repairback(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("返修登记"));
    auto *outer = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    outer->addLayout(grid);
    auto edit = [this] { return new QLineEdit(this); };
    numberEdit = edit();
    handledByEdit = edit();
    dateEdit = newDateEdit(this);
    serialEdit = edit();
    verifyButton = new QPushButton(QStringLiteral("校验>>"), this);
    customerEdit = edit();
    pickButton = newPickButton(this);
    contactEdit = edit();
    classBox = new QComboBox(this);
    classBox->setEditable(true);
    phoneEdit = edit();
    itemNameEdit = edit();
    accessoriesEdit = edit();
    prepaymentEdit = edit();
    refundEdit = edit();
    faultEdit = new QPlainTextEdit(this);
    faultEdit->setMaximumHeight(50);
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(50);
    onSiteBox = new QCheckBox(QStringLiteral("上门维修"), this);

    using RepairWidgets::place;
    for (int column : {1, 3, 5})
        grid->setColumnMinimumWidth(column, 150);
    place(grid, 0, 0, QStringLiteral("业务编号："), numberEdit);
    place(grid, 0, 2, QStringLiteral("经办人："), handledByEdit);
    place(grid, 0, 4, QStringLiteral("接修日期："), dateEdit);
    place(grid, 1, 0, QStringLiteral("维修物编号："), serialEdit, 3);
    grid->addWidget(verifyButton, 1, 4);
    place(grid, 2, 0, QStringLiteral("客户名称："), customerEdit, 3);
    grid->addWidget(pickButton, 2, 4);
    place(grid, 3, 0, QStringLiteral("联 系 人："), contactEdit);
    place(grid, 3, 2, QStringLiteral("客户类别："), classBox);
    place(grid, 3, 4, QStringLiteral("联系电话："), phoneEdit);
    place(grid, 4, 0, QStringLiteral("修物名称："), itemNameEdit);
    place(grid, 4, 2, QStringLiteral("随机附件："), accessoriesEdit);
    place(grid, 5, 0, QStringLiteral("预收款："), prepaymentEdit);
    place(grid, 5, 2, QStringLiteral("退款："), refundEdit);
    place(grid, 6, 0, QStringLiteral("故障描述："), faultEdit, 5);
    place(grid, 7, 0, QStringLiteral("备    注："), remarksEdit, 5);
    grid->addWidget(onSiteBox, 8, 1);

    auto *buttons = new QHBoxLayout;
    registerButton = new QPushButton(RepairBackForm::RegisterCaption, this);
    receiptButton = new QPushButton(QStringLiteral("凭证"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch();
    for (QPushButton *b : {verifyButton, pickButton, registerButton, receiptButton, exitButton})
        b->setAutoDefault(false);
    buttons->addWidget(registerButton);
    buttons->addWidget(receiptButton);
    buttons->addWidget(exitButton);
    outer->addLayout(buttons);

    m_fields = {{serialEdit, F::Serial},         {customerEdit, F::Customer},   {itemNameEdit, F::ItemName},
                {prepaymentEdit, F::Prepayment}, {refundEdit, F::Refund},       {numberEdit, F::Number},
                {contactEdit, F::Contact},       {phoneEdit, F::Phone},         {accessoriesEdit, F::Accessories},
                {classBox, F::CustomerClass},    {faultEdit, F::Fault},         {remarksEdit, F::Remarks}};
    for (QLineEdit *e : {serialEdit, customerEdit, itemNameEdit, prepaymentEdit, refundEdit})
        e->installEventFilter(this);

    showEarlier = [this](const RepairJob &job) {
        TForm_repairDetail detail(m_ctx, job.customer, job.number, job.stockOutBill, this);
        detail.exec();
    };
    showReceipt = [this](const RepairJob &job) {
        RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Rework, this);
    };
    connect(verifyButton, &QPushButton::clicked, this, &TForm_repairback::onVerify);
    connect(registerButton, &QPushButton::clicked, this, &TForm_repairback::onRegister);
    connect(receiptButton, &QPushButton::clicked, this, &TForm_repairback::onReceipt);
    connect(pickButton, &QPushButton::clicked, this, &TForm_repairback::onPick);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm_repairback::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    started(m_form.show());
}

void TForm_repairback::started(bool ok)
{
    fill();
    if (ok)
        serialEdit->setFocus();
}

void TForm_repairback::focus(F field)
{
    if (QWidget *w = field == F::Register ? registerButton : RepairWidgets::inputOf(m_fields, field))
        w->setFocus();
}

void TForm_repairback::collect()
{
    RepairBackForm::Values &v = m_form.values;
    RepairIntakeInputs::collect(v);
    v.refund = refundEdit->text();
    v.fault = faultEdit->toPlainText();
}

void TForm_repairback::fill()
{
    const RepairBackForm::Values &v = m_form.values;
    RepairWidgets::setItems(classBox, m_form.classes);
    RepairIntakeInputs::fill(v, m_ctx.today());
    refundEdit->setText(v.refund);
    if (faultEdit->toPlainText() != v.fault)
        faultEdit->setPlainText(v.fault);
    registerButton->setText(m_form.buttonCaption());
}

bool TForm_repairback::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_fields.contains(watched)) {
            collect();
            switch (m_fields.value(watched)) {
            case F::Serial:
                onVerify();
                break;
            case F::Customer:
                focus(m_form.lookUpCustomer());
                fill();
                break;
            case F::ItemName: {
                std::optional<RepairJob> job;
                const F target = m_form.findByName(job);
                if (job && target == F::None)
                    found(job, true);
                else
                    focus(target);
                break;
            }
            case F::Prepayment:
                focus(m_form.checkOnEnter(F::Prepayment) ? F::Fault : F::Prepayment);
                break;
            case F::Refund:
                focus(m_form.checkOnEnter(F::Refund) ? F::Prepayment : F::Refund);
                break;
            default:
                break;
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_repairback::found(const std::optional<RepairJob> &job, bool byName)
{
    showEarlier(*job);
    collect();
    const F target = m_form.takeEarlier(*job, byName);
    fill();
    focus(target);
}

void TForm_repairback::onVerify()
{
    collect();
    std::optional<RepairJob> job;
    const F target = m_form.findBySerial(job);
    if (job && target == F::None)
        found(job, false);
    else
        focus(target);
}

void TForm_repairback::onRegister()
{
    collect();
    if (m_form.registered()) {
        started(m_form.startNew());
        return;
    }
    const F failed = m_form.registerJob();
    fill();
    if (failed != F::None)
        focus(failed);
}

void TForm_repairback::onReceipt()
{
    collect();
    showReceipt(m_form.job());
}

void TForm_repairback::onPick()
{
    if (const std::optional<CustomerRecord> picked = pickCustomer(m_ctx, this)) {
        collect();
        m_form.takeCustomer(*picked);
        fill();
        registerButton->setFocus();
    }
}
