#include "ui/customers/TForm_customertradeList.h"

#include "forms/app/AppContext.h"
#include "print/customers/TForm_reportTheCustomerTradeList.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/TForm_Preview.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TForm_customertradeList::TForm_customertradeList(AppContext &ctx, const QString &customer, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_form(ctx, customer), m_keys(new ScreenKit(this, ctx.prompter))
{
    setWindowTitle(QStringLiteral("客户业务明细"));
    auto *layout = new QVBoxLayout(this);
    tabs = new QTabWidget(this);
    tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    m_keys->field(tabs->tabBar());

    summaryText = new QPlainTextEdit(this);
    summaryText->setReadOnly(true);
    tabs->addTab(summaryText, QStringLiteral("概述"));
    m_keys->field(summaryText);
    const QList<QPair<ListForm *, QString>> lists = {{&m_form.inHand(), QStringLiteral("当前处理中")},
                                                      {&m_form.finished(), QStringLiteral("历史维修")},
                                                      {&m_form.sales(), QStringLiteral("历史销售")}};
    QList<ListScreen *> screens;
    for (const auto &[form, caption] : lists) {
        auto *screen = new ListScreen(*form, *m_keys, this);
        // Even record numbers on light red.
        QPalette pal = screen->grid->palette();
        pal.setColor(QPalette::AlternateBase, QColor(255, 128, 128));
        screen->grid->setPalette(pal);
        tabs->addTab(screen, caption);
        screens << screen;
    }
    inHandList = screens[0];
    finishedList = screens[1];
    salesList = screens[2];
    layout->addWidget(tabs, 1);

    auto *buttons = new QHBoxLayout;
    printButton = new QPushButton(QStringLiteral("打印[&P]"), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    buttons->addStretch(1);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    m_keys->button(printButton, [this] { print(); });
    m_keys->button(closeButton, [this] { reject(); });
    m_keys->startAt(tabs->tabBar());

    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) { m_keys->run([this, index] { showTab(index); }); });
    m_keys->run([this] {
        m_form.open();
        QString text;
        for (const QString &line : m_form.summaryLines())
            text += QStringLiteral("\n") + line + QStringLiteral("\n");
        summaryText->setPlainText(text);
    });
    resize(1000, 560);
}

void TForm_customertradeList::showTab(int index)
{
    switch (index) {
    case 1: m_form.inHand().load(); break;
    case 2: m_form.finished().load(); break;
    case 3: m_form.sales().load(); break;
    default: break;
    }
}

ReportLayout TForm_customertradeList::document() const
{
    const CustomerDealingsForm::Printout p = m_form.printout();
    return TForm_reportTheCustomerTradeList::layout(p.shopName, m_form.customer(), m_form.summaryLines(),
                                                    {p.inHand, p.finished, p.sales}, m_form.today());
}

void TForm_customertradeList::print()
{
    TForm_Preview::showDocument(m_ctx.prompt(), document(), this);
}
