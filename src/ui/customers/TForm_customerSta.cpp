#include "ui/customers/TForm_customerSta.h"

#include "forms/app/AppContext.h"
#include "ui/customers/TForm_Customerdistr.h"
#include "ui/customers/TForm_customersta_month.h"
#include "ui/customers/TForm_viewcustomer.h"
#include "ui/kit/ScreenKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_customerSta::TForm_customerSta(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("客户情况统计"));
    auto *keys = new ScreenKit(this, ctx.prompter);
    CustomerCounts counts;
    keys->run([&] { counts = m_form.counts(); });

    auto *layout = new QVBoxLayout(this);
    auto *basics = new QGroupBox(QStringLiteral("基本情况"), this);
    auto *grid = new QGridLayout(basics);
    auto line = [&](int row, const QString &caption, int count, QLineEdit *&edit, QPushButton *&button) {
        edit = new QLineEdit(QString::number(count), basics);
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
        edit->setFocusPolicy(Qt::NoFocus); // Tab goes from button to button
        ScreenKit::showReadOnly(edit);
        button = new QPushButton(QStringLiteral(">>"), basics);
        button->setAccessibleName(caption + QStringLiteral(">>"));
        grid->addWidget(ScreenKit::caption(edit, caption), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(button, row, 2);
    };
    line(0, QStringLiteral("■ 当天新增客户："), counts.today, todayEdit, todayButton);
    keys->button(todayButton, [this] { showCustomers(m_form.registeredToday()); });
    line(1, QStringLiteral("■ 当月新增客户："), counts.month, monthEdit, monthButton);
    keys->button(monthButton, [this] { showCustomers(m_form.registeredThisMonth()); });
    line(2, QStringLiteral("■ 当前总计客户："), counts.total, totalEdit, totalButton);
    keys->button(totalButton, [this] { showCustomers(m_form.everyone()); });
    layout->addWidget(basics);

    auto *buttons = new QHBoxLayout;
    distributionButton = new QPushButton(QStringLiteral("客户分布情况统计>>"), this);
    perMonthButton = new QPushButton(QStringLiteral("各月新增情况统计>>"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    for (QPushButton *b : {distributionButton, perMonthButton, exitButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    keys->button(distributionButton, [this] {
        TForm_Customerdistr chart(m_ctx, this);
        chart.exec();
    });
    keys->button(perMonthButton, [this] {
        TForm_customersta_month chart(m_ctx, this);
        chart.exec();
    });
    keys->button(exitButton, [this] { accept(); });
    keys->startAt(todayButton);
}

void TForm_customerSta::showCustomers(const std::vector<ListCondition> &customers)
{
    TForm_viewcustomer view(m_ctx, customers, this);
    view.exec();
}
