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
const QString IntakeTimeKey = QStringLiteral("接修时间"); // the time beside the intake date

QString dateText(const QDate &d) { return d.isValid() ? DateText::toText(d) : QString(); }
Money money(const QString &text, const Money &old) { return RepairInput::amount(text).value_or(old); }
} // namespace

TForm_repairDetail::TForm_repairDetail(AppContext &ctx, const QString &customer, const QString &number,
                                       const QString &stockOutBill, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_form(ctx), m_keys(new ScreenKit(this, ctx.prompter)), m_fields(m_keys)
{
    Q_UNUSED(stockOutBill); // the part lines are read by the job's number
    setWindowTitle(QStringLiteral("维修明细"));
    auto *layout = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    layout->addWidget(pages, 1);

    // Each page holds captioned inputs in two columns, placed row by row; a memo takes a whole
    // row. The fields are declared in that order, which is the keyboard's.
    QString pageName;
    QGridLayout *grid = nullptr;
    int row = 0, column = 0;
    auto page = [&](const QString &name) {
        auto *w = new QWidget;
        grid = new QGridLayout(w);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        pages->addTab(w, name);
        pageName = name;
        row = column = 0;
    };
    auto endPage = [&] { grid->setRowStretch(grid->rowCount(), 1); };
    // An input and its caption; `time` sits beside it in its cell.
    auto place = [&](const char *caption, QWidget *input, QWidget *time = nullptr) {
        const QString c = QString::fromUtf8(caption);
        const bool memo = qobject_cast<QPlainTextEdit *>(input);
        if (memo && column) {
            ++row;
            column = 0;
        }
        grid->addWidget(ScreenKit::caption(input, c), row, column * 2);
        m_inputs.insert(pageName + u'/' + c, input);
        if (time) {
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
        return input;
    };
    auto line = [&](const char *caption, bool readOnly = false) {
        auto *e = new QLineEdit(pages->widget(pages->count() - 1));
        e->setReadOnly(readOnly);
        return place(caption, e);
    };
    auto memo = [&](const char *caption) {
        auto *m = new QPlainTextEdit(pages->widget(pages->count() - 1));
        m->setFixedHeight(48);
        return place(caption, m);
    };
    // The window shows what the form holds and takes back what was typed: texts as they are,
    // dates as "yyyy-MM-dd", amounts (one that is not an amount keeps its value), and the
    // customer's fields only when there is a customer.
    RepairJob &j = m_form.job;
    using JobTexts = std::initializer_list<std::pair<const char *, QString RepairJob::*>>;
    auto texts = [&](JobTexts rows, bool memos = false) {
        for (const auto &[caption, member] : rows)
            m_fields.field(memos ? memo(caption) : line(caption), &(j.*member));
    };
    auto date = [&](QWidget *input, QDate RepairJob::*member) {
        m_fields.field(input, [&j, member] { return dateText(j.*member); },
                       [&j, member](const QString &t) { j.*member = DateText::fromText(t.trimmed()); });
    };
    using Amounts = std::initializer_list<std::pair<const char *, Money RepairJob::*>>;
    auto amounts = [&](Amounts rows) {
        for (const auto &[caption, member] : rows)
            m_fields.field(line(caption), [&j, m = member] { return (j.*m).toText(); },
                           [&j, m = member](const QString &t) { j.*m = money(t, j.*m); });
    };
    auto customerText = [this](QWidget *input, QString CustomerRecord::*member, bool takeBack = true) {
        std::function<void(const QString &)> read;
        if (takeBack)
            read = [this, member](const QString &t) {
                if (m_form.customer)
                    (*m_form.customer).*member = t;
            };
        m_fields.field(input, [this, member] { return m_form.customer ? (*m_form.customer).*member : QString(); }, read);
    };
    using CustomerTexts = std::initializer_list<std::pair<const char *, QString CustomerRecord::*>>;

    page(JobPage);
    m_fields.field(line("业务编号：", true), &j.number);
    m_fields.field(line("当前状态："), &j.state);
    auto *intakeTime = new QLineEdit(pages->widget(0));
    intakeTime->setAccessibleName(QStringLiteral("接修时刻"));
    m_inputs.insert(JobPage + u'/' + IntakeTimeKey, intakeTime);
    date(place("接修时间：", new QLineEdit(pages->widget(0)), intakeTime), &RepairJob::intakeDate);
    m_fields.field(intakeTime, &j.intakeTime);
    texts({{"经办人：", &RepairJob::handledBy}, {"修物名称：", &RepairJob::itemName}});
    date(line("返还日期："), &RepairJob::endDate);
    texts({{"服务方式：", &RepairJob::serviceMode},  {"编号/SN：", &RepairJob::itemSerial},
           {"品牌：", &RepairJob::itemBrand},        {"类别：", &RepairJob::itemCategory},
           {"随机附件：", &RepairJob::accessories},  {"技术员：", &RepairJob::technician},
           {"送修类型：", &RepairJob::intakeKind},   {"取消原因：", &RepairJob::cancelReason},
           {"上门时间：", &RepairJob::visitTime},    {"预约时间：", &RepairJob::appointment}});
    texts({{"故障描述：", &RepairJob::fault}, {"维修小结：", &RepairJob::repairSummary}, {"备注：", &RepairJob::remarks}},
          true);
    dispatchedBox = new QCheckBox(QStringLiteral("已经派工"), pages->widget(0));
    warrantyBox = new QCheckBox(QStringLiteral("保内"), pages->widget(0));
    auto *ticks = new QHBoxLayout;
    ticks->addWidget(dispatchedBox);
    ticks->addWidget(warrantyBox);
    ticks->addStretch(1);
    grid->addLayout(ticks, grid->rowCount(), 1, 1, 3);
    endPage();
    m_fields.field(dispatchedBox, &j.dispatched);
    m_fields.field(warrantyBox, &j.underWarranty);

    page(CustomerPage);
    customerText(line("客户名称：", true), &CustomerRecord::name, false); // it names the row written
    for (const auto &[caption, member] : CustomerTexts{
             {"类别：", &CustomerRecord::customerClass}, {"所属单位：", &CustomerRecord::company},
             {"联系人：", &CustomerRecord::contact},     {"电  话：", &CustomerRecord::phone},
             {"电子邮件：", &CustomerRecord::email},     {"邮编：", &CustomerRecord::postCode},
             {"地  址：", &CustomerRecord::address},     {"物资主管：", &CustomerRecord::manager},
             {"税号：", &CustomerRecord::taxNumber},     {"帐号：", &CustomerRecord::account},
             {"乘车路线：", &CustomerRecord::route}})
        customerText(line(caption), member);
    customerText(memo("备注："), &CustomerRecord::remarks);
    endPage();

    page(FeePage);
    amounts({{"配件费：", &RepairJob::partsFee},   {"附 加 费：", &RepairJob::extraFee},
             {"维 修 费：", &RepairJob::labourFee}, {"费用合计：", &RepairJob::totalFee},
             {"预付费：", &RepairJob::prepayment},  {"返修退款：", &RepairJob::refund},
             {"实际收费：", &RepairJob::charged}});
    texts({{"收款方式：", &RepairJob::paymentMethod}, {"附加费说明：", &RepairJob::extraFeeNote}});
    endPage();

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
    const QWidget *w = input(page, caption);
    return w ? FieldMap::text(w) : QString();
}

void TForm_repairDetail::setText(const QString &page, const QString &caption, const QString &text)
{
    if (QWidget *w = input(page, caption))
        FieldMap::setText(w, text);
}

void TForm_repairDetail::fill()
{
    m_fields.show();
    m_partLines->show(m_form.parts);
}

void TForm_repairDetail::onUpdate()
{
    m_fields.read();
    m_form.update();
}

void TForm_repairDetail::onPrint()
{
    m_fields.read();
    RepairDocuments::showRepairDetailSheet(m_ctx, m_form.job, warrantyBox->isChecked(), dispatchedBox->isChecked(),
                                           this);
}
