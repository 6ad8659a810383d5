#include "ui/repair/TForm_repairDetail.h"

#include "core/app/DateText.h"
#include "forms/app/AppContext.h"
#include "forms/repair/RepairInput.h"
#include "forms/repair/RepairPartList.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListPage.h"
#include "ui/print/RepairDocuments.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString JobPage = QStringLiteral("业务情况");
const QString CustomerPage = QStringLiteral("客户情况");
const QString FeePage = QStringLiteral("费用情况");
const QString PartsPage = QStringLiteral("更换配件");
const QString IntakeCaption = QStringLiteral("接修时间：");
const QString IntakeTimeKey = QStringLiteral("接修时间"); // the time beside the intake date

QString inputText(QWidget *w)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        return m->toPlainText();
    return {};
}
QString dateText(const QDate &d) { return d.isValid() ? DateText::toText(d) : QString(); }
Money money(const QString &text, const Money &old) { return RepairInput::amount(text).value_or(old); }
} // namespace

TForm_repairDetail::TForm_repairDetail(AppContext &ctx, const QString &customer, const QString &number,
                                       const QString &stockOutBill, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    Q_UNUSED(stockOutBill); // the part lines are read by the job's number
    setWindowTitle(QStringLiteral("维修明细"));
    auto *layout = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    layout->addWidget(pages, 1);
    m_keys = new ScreenKit(this, ctx.prompter);

    // A page of captioned inputs in two columns, read row by row; a memo takes a whole row. The
    // keys walk the inputs in the order they are read.
    auto page = [this](const QString &name, const QStringList &captions, const QStringList &memos,
                       const QStringList &readOnly) {
        auto *w = new QWidget;
        auto *grid = new QGridLayout(w);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        int row = 0, column = 0;
        for (const QString &c : captions) {
            QWidget *input;
            const bool memo = memos.contains(c);
            if (memo) {
                auto *m = new QPlainTextEdit(w);
                m->setFixedHeight(48);
                input = m;
                if (column) {
                    ++row;
                    column = 0;
                }
            } else {
                auto *e = new QLineEdit(w);
                e->setReadOnly(readOnly.contains(c));
                input = e;
            }
            grid->addWidget(ScreenKit::caption(input, c), row, column * 2);
            m_inputs.insert(name + u'/' + c, input);
            m_keys->field(input);
            if (c == IntakeCaption) {
                // The intake has two fields: the date and, beside it, the time.
                auto *time = new QLineEdit(w);
                time->setAccessibleName(QStringLiteral("接修时刻"));
                m_inputs.insert(name + u'/' + IntakeTimeKey, time);
                m_keys->field(time);
                auto *when = new QHBoxLayout;
                when->addWidget(input, 3);
                when->addWidget(time, 2);
                grid->addLayout(when, row, column * 2 + 1);
            } else {
                grid->addWidget(input, row, column * 2 + 1, 1, memo ? 3 : 1);
            }
            if (memo || column == 1) {
                ++row;
                column = 0;
            } else {
                column = 1;
            }
        }
        pages->addTab(w, name);
        return grid;
    };
    auto endPage = [](QGridLayout *grid) { grid->setRowStretch(grid->rowCount(), 1); };
    QGridLayout *jobGrid = page(JobPage,
                                {"业务编号：", "当前状态：", "接修时间：", "经办人：", "修物名称：", "返还日期：",
                                 "服务方式：", "编号/SN：", "品牌：", "类别：", "随机附件：", "技术员：", "送修类型：",
                                 "取消原因：", "上门时间：", "预约时间：", "故障描述：", "维修小结：", "备注："},
                                {"故障描述：", "维修小结：", "备注："}, {"业务编号："});
    dispatchedBox = new QCheckBox(QStringLiteral("已经派工"), pages->widget(0));
    warrantyBox = new QCheckBox(QStringLiteral("保内"), pages->widget(0));
    auto *ticks = new QHBoxLayout;
    ticks->addWidget(dispatchedBox);
    ticks->addWidget(warrantyBox);
    ticks->addStretch(1);
    jobGrid->addLayout(ticks, jobGrid->rowCount(), 1, 1, 3);
    endPage(jobGrid);
    m_keys->field(dispatchedBox, {}, ScreenKit::Walk::Aside);
    m_keys->field(warrantyBox, {}, ScreenKit::Walk::Aside);
    endPage(page(CustomerPage,
         {"客户名称：", "类别：", "所属单位：", "联系人：", "电  话：", "电子邮件：", "邮编：", "地  址：",
          "物资主管：", "税号：", "帐号：", "乘车路线：", "备注："},
         {"备注："}, {"客户名称："}));
    endPage(page(FeePage,
         {"配件费：", "附 加 费：", "维 修 费：", "费用合计：", "预付费：", "返修退款：", "实际收费：", "收款方式：",
          "附加费说明："},
         {}, {}));
    m_partLines = new RepairPartList(false, this);
    partsGrid = ListPage::readOnlyList(m_partLines, PartsPage, this);
    pages->addTab(partsGrid, PartsPage);
    m_keys->field(partsGrid, {}, ScreenKit::Walk::Aside);

    auto *buttons = new QHBoxLayout;
    updateButton = new QPushButton(QStringLiteral("更新"), this);
    printButton = new QPushButton(QStringLiteral("打印[&P]"), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    buttons->addStretch();
    for (QPushButton *b : {updateButton, printButton, closeButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    m_keys->button(updateButton, [this] { onUpdate(); });
    m_keys->button(printButton, [this] { onPrint(); });
    m_keys->button(closeButton, [this] { reject(); });
    resize(760, 560);

    m_keys->run([&] { m_form.load(customer, number); });
    fill();
}

QWidget *TForm_repairDetail::input(const QString &page, const QString &caption) const
{
    return m_inputs.value(page + u'/' + caption);
}

QString TForm_repairDetail::text(const QString &page, const QString &caption) const
{
    return inputText(input(page, caption));
}

void TForm_repairDetail::setText(const QString &page, const QString &caption, const QString &text)
{
    QWidget *w = input(page, caption);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        m->setPlainText(text);
}

void TForm_repairDetail::fill()
{
    const RepairJob &j = m_form.job;
    const QList<std::pair<QString, QString>> job = {
        {"业务编号：", j.number}, {"当前状态：", j.state}, {"接修时间：", dateText(j.intakeDate)},
        {"接修时间", j.intakeTime}, {"经办人：", j.handledBy}, {"修物名称：", j.itemName},
        {"返还日期：", dateText(j.endDate)}, {"服务方式：", j.serviceMode}, {"编号/SN：", j.itemSerial},
        {"品牌：", j.itemBrand}, {"类别：", j.itemCategory}, {"随机附件：", j.accessories}, {"故障描述：", j.fault},
        {"技术员：", j.technician}, {"送修类型：", j.intakeKind}, {"维修小结：", j.repairSummary},
        {"取消原因：", j.cancelReason}, {"备注：", j.remarks}, {"上门时间：", j.visitTime},
        {"预约时间：", j.appointment}};
    for (const auto &[c, v] : job)
        setText(JobPage, c, v);
    dispatchedBox->setChecked(j.dispatched);
    warrantyBox->setChecked(j.underWarranty);
    const CustomerRecord c = m_form.customer.value_or(CustomerRecord());
    const QList<std::pair<QString, QString>> customer = {
        {"客户名称：", c.name}, {"类别：", c.customerClass}, {"所属单位：", c.company}, {"联系人：", c.contact},
        {"电  话：", c.phone}, {"电子邮件：", c.email}, {"邮编：", c.postCode}, {"地  址：", c.address},
        {"物资主管：", c.manager}, {"税号：", c.taxNumber}, {"帐号：", c.account}, {"备注：", c.remarks},
        {"乘车路线：", c.route}};
    for (const auto &[cap, v] : customer)
        setText(CustomerPage, cap, v);
    const QList<std::pair<QString, QString>> fees = {
        {"配件费：", j.partsFee.toText()}, {"附 加 费：", j.extraFee.toText()}, {"维 修 费：", j.labourFee.toText()},
        {"费用合计：", j.totalFee.toText()}, {"预付费：", j.prepayment.toText()}, {"附加费说明：", j.extraFeeNote},
        {"返修退款：", j.refund.toText()}, {"实际收费：", j.charged.toText()}, {"收款方式：", j.paymentMethod}};
    for (const auto &[cap, v] : fees)
        setText(FeePage, cap, v);
    m_partLines->show(m_form.parts);
}

void TForm_repairDetail::collect()
{
    RepairJob &j = m_form.job;
    auto t = [this](const char *cap) { return text(JobPage, QString::fromUtf8(cap)); };
    j.state = t("当前状态：");
    j.intakeDate = DateText::fromText(t("接修时间：").trimmed());
    j.intakeTime = t("接修时间");
    j.handledBy = t("经办人：");
    j.itemName = t("修物名称：");
    j.endDate = DateText::fromText(t("返还日期：").trimmed());
    j.serviceMode = t("服务方式：");
    j.itemSerial = t("编号/SN：");
    j.itemBrand = t("品牌：");
    j.itemCategory = t("类别：");
    j.accessories = t("随机附件：");
    j.fault = t("故障描述：");
    j.technician = t("技术员：");
    j.intakeKind = t("送修类型：");
    j.repairSummary = t("维修小结：");
    j.cancelReason = t("取消原因：");
    j.remarks = t("备注：");
    j.visitTime = t("上门时间：");
    j.appointment = t("预约时间：");
    j.dispatched = dispatchedBox->isChecked();
    j.underWarranty = warrantyBox->isChecked();
    if (m_form.customer) {
        CustomerRecord &c = *m_form.customer;
        auto ct = [this](const char *cap) { return text(CustomerPage, QString::fromUtf8(cap)); };
        c.customerClass = ct("类别：");
        c.company = ct("所属单位：");
        c.contact = ct("联系人：");
        c.phone = ct("电  话：");
        c.email = ct("电子邮件：");
        c.postCode = ct("邮编：");
        c.address = ct("地  址：");
        c.manager = ct("物资主管：");
        c.taxNumber = ct("税号：");
        c.account = ct("帐号：");
        c.remarks = ct("备注：");
        c.route = ct("乘车路线：");
    }
    auto ft = [this](const char *cap) { return text(FeePage, QString::fromUtf8(cap)); };
    j.partsFee = money(ft("配件费："), j.partsFee);
    j.extraFee = money(ft("附 加 费："), j.extraFee);
    j.labourFee = money(ft("维 修 费："), j.labourFee);
    j.totalFee = money(ft("费用合计："), j.totalFee);
    j.prepayment = money(ft("预付费："), j.prepayment);
    j.extraFeeNote = ft("附加费说明：");
    j.refund = money(ft("返修退款："), j.refund);
    j.charged = money(ft("实际收费："), j.charged);
    j.paymentMethod = ft("收款方式：");
}

void TForm_repairDetail::onUpdate()
{
    collect();
    m_form.update();
}

void TForm_repairDetail::onPrint()
{
    collect();
    RepairDocuments::showRepairDetailSheet(m_ctx, m_form.job, warrantyBox->isChecked(), dispatchedBox->isChecked(),
                                           this);
}
