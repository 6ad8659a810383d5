#include "ui/followup/TForm_BackSee.h"

#include "core/app/DateText.h"
#include "core/followup/FollowUpState.h"
#include "forms/app/AppContext.h"
#include "forms/repair/RepairPartList.h"
#include "ui/app/TForm_waiting.h"
#include "ui/followup/FinishedRowDelegate.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListPage.h"
#include "ui/lists/ListScreen.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString CustomerPage = QStringLiteral("客户信息");
const QString BasicPage = QStringLiteral("基本情况");
const QString ItemPage = QStringLiteral("修物情况");
const QString FeePage = QStringLiteral("收费情况");
const QString PartsPage = QStringLiteral("配件情况");
const QString SummaryPage = QStringLiteral("小结备注");

// A box's text: its item when it has one (the arrow keys go on from there), else typed text.
void showText(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
    box->setEditText(text);
}

QString dateText(const QDate &d)
{
    return d.isValid() ? DateText::toText(d) : QString();
}

// The please-wait window for as long as the opening runs, however it ends.
struct Waiting
{
    Waiting() { TForm_waiting::begin(); }
    ~Waiting() { TForm_waiting::end(); }
};
} // namespace

TForm_BackSee::TForm_BackSee(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("客户回访"));
    auto *layout = new QVBoxLayout(this);

    makeList(m_form);
    grid->setToolTip(QStringLiteral("双击显示业务明细"));
    grid->setItemDelegate(new FinishedRowDelegate(
        [this](int row) { return m_form.state(row) == FollowUpState::Finished; }, grid));
    layout->addWidget(list, 1);

    // The panels keep their height; the list takes what the screen has besides.
    auto *panels = new QWidget(this);
    auto *bottom = new QHBoxLayout(panels);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(buildVisitPanel());
    bottom->addWidget(buildCustomerPanel());
    bottom->addWidget(buildBusinessTabs(), 1);
    panels->setFixedHeight(280);
    layout->addWidget(panels);
    setFocusProxy(grid);

    m_keys->field(formBox);
    m_keys->field(staffBox);
    m_keys->field(visitedEdit);
    m_keys->field(satisfactionBox);
    m_keys->field(opinionEdit);
    m_keys->button(finishButton, [this] { onFinish(); });
    m_keys->button(cancelButton, [this] { onCancel(); });
    m_keys->field(customerNameEdit);
    m_keys->field(businessTabs->tabBar(), {}, ScreenKit::Walk::Aside); // arrows choose the tab
    m_keys->field(remarksEdit);
    // After a database error the current visit is shown as the file holds it; the list stays
    // the one taken at opening.
    m_keys->onError([this] { showRow(currentRow()); });

    connect(list, &ListScreen::rowChosen, this, [this] { openDetail(); });
    connect(list, &ListScreen::aboutToList, this, [this] {
        m_keys->run([this] { leaveRow(); });
        m_row = -1;
    });
    connect(list, &ListScreen::currentRowChanged, this, [this](int row) {
        m_keys->run([this] { leaveRow(); });
        m_keys->run([this, row] { showRow(row); });
    });
    // The remark is kept as soon as the operator leaves it, so closing the screen keeps it too.
    remarksEdit->installEventFilter(this);

    {
        const Waiting waiting;
        m_keys->run([this] { m_form.open(); });
    }
    staffBox->addItems(m_form.staffNames());
    showRow(currentRow());
}

QWidget *TForm_BackSee::buildVisitPanel()
{
    auto *box = new QGroupBox(QStringLiteral("回访情况："));
    auto *g = new QGridLayout(box);
    auto combo = [box](const QStringList &items) {
        auto *c = new QComboBox(box);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(items);
        return c;
    };
    formBox = combo(PendingVisitsForm::Forms);
    staffBox = combo({});
    visitedEdit = new QLineEdit(box);
    satisfactionBox = combo(PendingVisitsForm::Satisfactions);
    opinionEdit = new QPlainTextEdit(box);
    opinionEdit->setMaximumHeight(60);
    const std::pair<QWidget *, const char *> rows[] = {{formBox, "回访形式："},
                                                       {staffBox, "回访员："},
                                                       {visitedEdit, "被回访人："},
                                                       {satisfactionBox, "满意度："},
                                                       {opinionEdit, "客户意见："}};
    int r = 0;
    for (const auto &[input, caption] : rows) {
        g->addWidget(ScreenKit::caption(input, QString::fromUtf8(caption)), r, 0, Qt::AlignTop);
        g->addWidget(input, r++, 1);
    }
    auto *buttons = new QHBoxLayout;
    finishButton = new QPushButton(QStringLiteral("完成回访"), box);
    cancelButton = new QPushButton(QStringLiteral("取消回访"), box);
    buttons->addWidget(finishButton);
    buttons->addWidget(cancelButton);
    g->addLayout(buttons, r, 0, 1, 2);
    box->setFixedWidth(300);
    return box;
}

QLineEdit *TForm_BackSee::addShown(QGridLayout *g, const QString &page, const QString &caption, int row, int column)
{
    auto *edit = new QLineEdit(g->parentWidget());
    edit->setReadOnly(true);
    ScreenKit::showReadOnly(edit);
    g->addWidget(ScreenKit::caption(edit, caption), row, column * 2);
    g->addWidget(edit, row, column * 2 + 1);
    m_shown.insert(page + u'/' + caption, edit);
    return edit;
}

QWidget *TForm_BackSee::buildCustomerPanel()
{
    auto *box = new QGroupBox(QStringLiteral("客户信息："));
    auto *g = new QGridLayout(box);
    int r = 0;
    for (const char *caption : {"客户名称：", "类别：", "联系人：", "公司：", "电话：", "地址：", "传真："})
        addShown(g, CustomerPage, QString::fromUtf8(caption), r++, 0);
    customerNameEdit = m_shown.value(CustomerPage + QStringLiteral("/客户名称："));
    box->setFixedWidth(260);
    return box;
}

QWidget *TForm_BackSee::buildBusinessTabs()
{
    businessTabs = new QTabWidget;
    auto page = [this](const QString &name, const QList<const char *> &captions) {
        auto *w = new QWidget;
        auto *g = new QGridLayout(w);
        for (int i = 0; i < captions.size(); ++i)
            addShown(g, name, QString::fromUtf8(captions.at(i)), i / 2, i % 2);
        businessTabs->addTab(w, name);
        return g;
    };
    QGridLayout *basic = page(BasicPage, {"业务编号：", "当前状态：", "经办人：", "技术员：", "接修日期：", "返还日期：",
                                          "送修类型：", "预约时间：", "上门时间："});
    dispatchedBox = new QCheckBox(QStringLiteral("已经派工"), basic->parentWidget());
    basic->addWidget(dispatchedBox, 4, 3);
    QGridLayout *item = page(ItemPage, {"修物名称：", "类别：", "品牌：", "编号/SN：", "随机附件：", "故障描述："});
    warrantyBox = new QCheckBox(QStringLiteral("保内"), item->parentWidget());
    item->addWidget(warrantyBox, 3, 1);
    page(FeePage, {"返修退款：", "附加费：", "实际收费：", "预付费：", "维修费：", "费用合计：", "配件费：", "附加费说明："});
    // Tick boxes show, they do not change anything.
    for (QCheckBox *b : {dispatchedBox, warrantyBox}) {
        b->setAttribute(Qt::WA_TransparentForMouseEvents);
        b->setFocusPolicy(Qt::NoFocus);
    }

    m_partLines = new RepairPartList(true, this);
    partsGrid = ListPage::readOnlyList(m_partLines, PartsPage, nullptr);
    businessTabs->addTab(partsGrid, PartsPage);

    auto *summaryPage = new QWidget;
    auto *s = new QGridLayout(summaryPage);
    summaryEdit = new QPlainTextEdit(summaryPage);
    summaryEdit->setReadOnly(true);
    remarksEdit = new QPlainTextEdit(summaryPage);
    s->addWidget(ScreenKit::caption(summaryEdit, QStringLiteral("小结：")), 0, 0, Qt::AlignTop);
    s->addWidget(summaryEdit, 0, 1);
    s->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("备注：")), 1, 0, Qt::AlignTop);
    s->addWidget(remarksEdit, 1, 1);
    businessTabs->addTab(summaryPage, SummaryPage);
    return businessTabs;
}

QString TForm_BackSee::shown(const QString &page, const QString &caption) const
{
    const QLineEdit *e = m_shown.value(page + u'/' + caption);
    return e ? e->text() : QString();
}

void TForm_BackSee::setShown(const QString &page, const QString &caption, const QString &text)
{
    if (QLineEdit *e = m_shown.value(page + u'/' + caption)) {
        e->setText(text);
        e->setCursorPosition(0);
    }
}

FollowUpNotes TForm_BackSee::panelNotes() const
{
    return {formBox->currentText(), staffBox->currentText(), visitedEdit->text(), satisfactionBox->currentText(),
            opinionEdit->toPlainText()};
}

void TForm_BackSee::showRow(int row)
{
    m_row = row;
    const FollowUpDetails d = m_form.details(row);

    m_shownNotes = d.visit ? m_form.shownNotes(d) : FollowUpNotes{};
    showText(formBox, m_shownNotes.form);
    showText(staffBox, m_shownNotes.staff);
    visitedEdit->setText(m_shownNotes.visited);
    showText(satisfactionBox, m_shownNotes.satisfaction);
    opinionEdit->setPlainText(m_shownNotes.opinion);

    const CustomerRecord c = d.customer.value_or(CustomerRecord{});
    setShown(CustomerPage, QStringLiteral("客户名称："), c.name);
    setShown(CustomerPage, QStringLiteral("类别："), c.customerClass);
    setShown(CustomerPage, QStringLiteral("联系人："), c.contact);
    setShown(CustomerPage, QStringLiteral("公司："), c.company);
    setShown(CustomerPage, QStringLiteral("电话："), c.phone);
    setShown(CustomerPage, QStringLiteral("地址："), c.address);
    setShown(CustomerPage, QStringLiteral("传真："), c.fax);

    m_hasRepair = d.repair.has_value();
    const RepairJob j = d.repair.value_or(RepairJob{});
    auto money = [this](const Money &m) { return m_hasRepair ? m.toText() : QString(); };
    setShown(BasicPage, QStringLiteral("业务编号："), j.number);
    setShown(BasicPage, QStringLiteral("当前状态："), j.state);
    setShown(BasicPage, QStringLiteral("经办人："), j.handledBy);
    setShown(BasicPage, QStringLiteral("技术员："), j.technician);
    setShown(BasicPage, QStringLiteral("接修日期："), dateText(j.intakeDate));
    setShown(BasicPage, QStringLiteral("返还日期："), dateText(j.endDate));
    setShown(BasicPage, QStringLiteral("送修类型："), j.intakeKind);
    setShown(BasicPage, QStringLiteral("预约时间："), j.appointment);
    setShown(BasicPage, QStringLiteral("上门时间："), j.visitTime);
    dispatchedBox->setChecked(j.dispatched);
    setShown(ItemPage, QStringLiteral("修物名称："), j.itemName);
    setShown(ItemPage, QStringLiteral("类别："), j.itemCategory);
    setShown(ItemPage, QStringLiteral("品牌："), j.itemBrand);
    setShown(ItemPage, QStringLiteral("编号/SN："), j.itemSerial);
    setShown(ItemPage, QStringLiteral("随机附件："), j.accessories);
    setShown(ItemPage, QStringLiteral("故障描述："), j.fault);
    warrantyBox->setChecked(j.underWarranty);
    setShown(FeePage, QStringLiteral("返修退款："), money(j.refund));
    setShown(FeePage, QStringLiteral("附加费："), money(j.extraFee));
    setShown(FeePage, QStringLiteral("实际收费："), money(j.charged));
    setShown(FeePage, QStringLiteral("预付费："), money(j.prepayment));
    setShown(FeePage, QStringLiteral("维修费："), money(j.labourFee));
    setShown(FeePage, QStringLiteral("费用合计："), money(j.totalFee));
    setShown(FeePage, QStringLiteral("配件费："), money(j.partsFee));
    setShown(FeePage, QStringLiteral("附加费说明："), j.extraFeeNote);

    m_partLines->show(d.parts);
    summaryEdit->setPlainText(j.repairSummary);
    m_shownRemarks = j.remarks;
    remarksEdit->setPlainText(j.remarks);
    remarksEdit->setReadOnly(!m_hasRepair); // a sale has no remark to keep
}

void TForm_BackSee::leaveRow()
{
    if (m_row < 0 || m_row >= m_form.rowCount())
        return;
    const FollowUpNotes notes = panelNotes();
    if (notes != m_shownNotes) {
        m_form.saveNotes(m_row, notes);
        m_shownNotes = notes;
    }
    saveRemarks();
}

void TForm_BackSee::saveRemarks()
{
    const QString remarks = remarksEdit->toPlainText();
    if (!m_hasRepair || m_row < 0 || remarks == m_shownRemarks)
        return;
    m_form.saveRepairRemarks(m_row, remarks);
    m_shownRemarks = remarks;
}

bool TForm_BackSee::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == remarksEdit && event->type() == QEvent::FocusOut)
        m_keys->run([this] { saveRemarks(); });
    return QWidget::eventFilter(watched, event);
}

void TForm_BackSee::onFinish()
{
    saveRemarks();
    afterClosing(m_form.finish(currentRow(), panelNotes()));
}

void TForm_BackSee::onCancel()
{
    saveRemarks();
    afterClosing(m_form.cancel(currentRow(), panelNotes()));
}

void TForm_BackSee::afterClosing(PendingVisitsForm::Outcome outcome)
{
    using O = PendingVisitsForm::Outcome;
    switch (outcome) {
    case O::Nothing:
        return;
    case O::Declined:
        ScreenKit::focus(customerNameEdit);
        return;
    case O::Done:
        m_shownNotes = panelNotes(); // stored with the state
        grid->viewport()->update();
        ScreenKit::focus(grid); // on to the next visit
        return;
    case O::Refused:
        grid->viewport()->update();
        return;
    }
}

void TForm_BackSee::openDetail()
{
    const int row = currentRow();
    if (!m_form.isRepair(row))
        return;
    leaveRow();
    TForm_repairDetail detail(m_ctx, m_form.customerName(row), m_form.number(row), QString(), this);
    detail.exec();
    showRow(row); // the super user may have changed the job there
}
