#include "ui/sales/TForm_sell.h"

#include "forms/app/AppContext.h"
#include "ui/bills/BillGrid.h"
#include "ui/customers/TForm_selcustomer.h"
#include "ui/kit/PickerButton.h"
#include "ui/kit/ScreenKit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using F = SaleForm::Field;

TForm_sell::TForm_sell(AppContext &ctx, QWidget *parent) : BillScreen(ctx, parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("商品出售"));
    auto *layout = new QVBoxLayout(this);

    auto *header = new QGridLayout;
    numberEdit = new QLineEdit(this);
    handledByEdit = new QLineEdit(this);
    dateEdit = makeDateEdit(this);
    place(header, 0, 0, QStringLiteral("业务编号："), numberEdit);
    place(header, 0, 1, QStringLiteral("经办人："), handledByEdit);
    place(header, 0, 2, QStringLiteral("日期："), dateEdit);

    customerEdit = new QLineEdit(this);
    customerEdit->setToolTip(QStringLiteral("按“Ctrl+S”选择客户"));
    customerButton = new PickerButton(QStringLiteral("客户目录"), this);
    auto *who = new QWidget(this);
    auto *whoRow = new QHBoxLayout(who);
    whoRow->setContentsMargins(0, 0, 0, 0);
    whoRow->addWidget(customerEdit, 1);
    whoRow->addWidget(customerButton);
    classBox = new QComboBox(this);
    classBox->setEditable(true);
    phoneEdit = new QLineEdit(this);
    place(header, 1, 0, QStringLiteral("客户名称："), customerEdit, who);
    place(header, 1, 1, QStringLiteral("类别："), classBox);
    place(header, 1, 2, QStringLiteral("联系电话："), phoneEdit);
    for (int column : {1, 3, 5})
        header->setColumnStretch(column, 1);
    layout->addLayout(header);

    layout->addWidget(makeGrid(m_form), 1);

    auto *bottom = new QHBoxLayout;
    dueEdit = new QLineEdit(this);
    receivedEdit = new QLineEdit(this);
    invoiceEdit = new QLineEdit(this);
    for (QLineEdit *e : {dueEdit, receivedEdit})
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bottom->addWidget(ScreenKit::caption(dueEdit, QStringLiteral("应收款：")));
    bottom->addWidget(dueEdit);
    bottom->addWidget(ScreenKit::caption(receivedEdit, QStringLiteral("实收：")));
    bottom->addWidget(receivedEdit);
    bottom->addWidget(ScreenKit::caption(invoiceEdit, QStringLiteral("发票号：")));
    bottom->addWidget(invoiceEdit);
    bottom->addStretch(1);
    sellButton = new QPushButton(QStringLiteral("售出[&S]"), this);
    clearButton = new QPushButton(QStringLiteral("清空[&C]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    bottom->addWidget(sellButton);
    bottom->addWidget(clearButton);
    bottom->addWidget(exitButton);
    layout->addLayout(bottom);

    pickCustomer = [this]() -> std::optional<CustomerRecord> {
        auto picked = TForm_selcustomer::pick(m_form.ctx(), this);
        if (picked && picked->name.isEmpty())
            return std::nullopt;
        return picked;
    };

    // The header, declared once in the keyboard's order: the customer first (number, operator and
    // date are filled in), the lines with the grid's own Enter walk, the amounts, then "售出[&S]".
    SaleForm &f = m_form;
    m_fields.field(numberEdit, &f.number).as(F::Number);
    m_fields.field(handledByEdit, &f.handledBy);
    m_fields.field(dateEdit, &f.date);
    m_fields.field(customerEdit, &f.customer).as(F::Customer).check([this] { return m_form.lookUpCustomer(); });
    m_keys->button(customerButton, [this] { onPickCustomer(); }, ScreenKit::Walk::Aside);
    m_fields.field(classBox, &f.customerClass).as(F::CustomerClass).check([this] { return m_form.checkClass(); });
    m_fields.field(phoneEdit, &f.phone).as(F::Phone).check([this] { return m_form.checkPhone(); }).then(grid);
    m_keys->field(grid, {}, ScreenKit::Walk::OwnKeys);
    m_fields.target(F::Lines, grid);
    m_fields.field(dueEdit, &f.due).as(F::Due);
    m_fields.field(receivedEdit, &f.received).as(F::Received).check([this] { m_form.checkReceived(); });
    m_fields.field(invoiceEdit, &f.invoice).as(F::Invoice);
    m_keys->button(sellButton, grid->committing([this] { onSell(); }));
    m_keys->button(clearButton, grid->committing([this] { m_form.clear(); }));
    m_keys->button(exitButton, [this] { reject(); });
    m_keys->shortcut(customerEdit, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onPickCustomer(); });
    m_keys->startAt(customerEdit);
    connect(grid, &BillGrid::linesDone, this, [this] { ScreenKit::focus(dueEdit); });
    // The totals follow the lines' amounts (the form counts them again first).
    connect(&m_form.lines(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        if (from.column() <= SaleForm::Amount && SaleForm::Amount <= to.column())
            showTotals();
    });

    fitWidth(900);
}

void TForm_sell::opened()
{
    m_keys->run([this] {
        m_form.open();
        fillClasses();
        m_fields.show();
    });
}

void TForm_sell::fillClasses()
{
    classBox->clear();
    classBox->addItems(m_form.classes());
}

void TForm_sell::showTotals()
{
    m_fields.show(F::Due);
    m_fields.show(F::Received);
}

void TForm_sell::onPickCustomer()
{
    const std::optional<CustomerRecord> picked = pickCustomer ? pickCustomer() : std::nullopt;
    // Back from the picker: the sale takes the keyboard again.
    activateWindow();
    if (!picked)
        return;
    m_fields.read();
    m_form.takeCustomer(*picked);
    m_fields.go(F::Lines);
}

void TForm_sell::onSell()
{
    m_fields.read();
    const F refused = m_form.sell();
    if (refused != F::None) {
        if (refused == F::Lines && m_form.refusedLine() >= 0)
            grid->setCurrentIndex(grid->model()->index(m_form.refusedLine(), SaleForm::Quantity));
        m_fields.go(refused);
        return;
    }
    fillClasses();
    m_fields.show();
    // The next sale starts on line 1 with its customer.
    grid->home();
    ScreenKit::focus(customerEdit);
}
