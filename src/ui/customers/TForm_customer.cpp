#include "ui/customers/TForm_customer.h"

#include "forms/app/AppContext.h"
#include "print/customers/TForm_Mailtag.h"
#include "print/customers/TForm_reportcustomerinfoList.h"
#include "ui/customers/TForm_customerinfo.h"
#include "ui/customers/TForm_customertradeList.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

TForm_customer::TForm_customer(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent), m_ctx(ctx), m_form(ctx)
{
    auto *layout = new QVBoxLayout(this);
    makeList(m_form);
    grid->setToolTip(QStringLiteral("双击显示客户资料明细"));
    layout->addWidget(list, 1);

    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setReadOnly(true);
    remarksEdit->setMaximumHeight(60);
    layout->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("备注：")));
    layout->addWidget(remarksEdit);

    auto *buttons = new QHBoxLayout;
    cardButton = new QPushButton(QStringLiteral("客户资料>>"), this);
    dealingsButton = new QPushButton(QStringLiteral("往来业务>>"), this);
    mailButton = new QPushButton(QStringLiteral("邮件联系>>"), this);
    labelsButton = new QPushButton(QStringLiteral("打印信签>>"), this);
    listButton = new QPushButton(QStringLiteral("打印列表>>"), this);
    buttons->addStretch(1);
    for (QPushButton *b : {cardButton, dealingsButton, mailButton, labelsButton, listButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    m_keys->field(remarksEdit);
    m_keys->button(cardButton, [this] { showCard(); });
    m_keys->button(dealingsButton, [this] { showDealings(); });
    m_keys->button(mailButton, [this] { mail(); });
    m_keys->button(labelsButton, [this] { printLabels(); });
    m_keys->button(listButton, [this] { printList(); });
    // After a database error the list is read again, so what it shows is what the file holds.
    m_keys->onError([this] { m_form.refresh(); });

    const QList<QPair<QString, void (TForm_customer::*)()>> menu = {
        {QStringLiteral("客户资料 (&I)"), &TForm_customer::showCard},
        {QStringLiteral("往来业务 (&T)"), &TForm_customer::showDealings},
        {QStringLiteral("邮件联系 (&E)"), &TForm_customer::mail},
        {QStringLiteral("打印信签 (&P)"), &TForm_customer::printLabels},
        {QStringLiteral("刷新"), &TForm_customer::refresh}};
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto &item : menu) {
        auto *a = new QAction(item.first, grid);
        grid->addAction(a);
        menuActions << a;
        const auto handler = item.second;
        connect(a, &QAction::triggered, this, [this, handler] { m_keys->run([this, handler] { (this->*handler)(); }); });
    }

    // The menu key and Shift+F10 open the pop-up menu at the current row, as a right click does.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        m_keys->shortcut(grid, keys, [this] { popupMenu(); });

    connect(list, &ListScreen::rowChosen, this, [this] { showCard(); });
    connect(list, &ListScreen::currentRowChanged, this,
            [this](int row) { m_keys->run([this, row] { remarksEdit->setPlainText(m_form.remarks(row)); }); });
}

void TForm_customer::LoadClass(const QString &customerClass)
{
    m_keys->run([this, customerClass] { m_form.loadClass(customerClass); });
    setWindowTitle(m_form.caption());
}

void TForm_customer::popupMenu()
{
    const QRect cell = grid->visualRect(grid->currentIndex());
    const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
    QMenu::exec(menuActions, grid->viewport()->mapToGlobal(at), nullptr, grid);
}

void TForm_customer::select(int row)
{
    if (row >= 0)
        grid->selectRow(row);
}

void TForm_customer::showCard()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString name = m_form.name(row);
    if (!name.isEmpty()) {
        TForm_customerinfo card(m_ctx, name, this);
        card.exec();
    }
    select(m_form.relist(row));
}

void TForm_customer::showDealings()
{
    const int row = currentRow();
    if (row < 0)
        return;
    TForm_customertradeList dealings(m_ctx, m_form.name(row), this);
    dealings.exec();
}

void TForm_customer::mail()
{
    const QString link = m_form.mailLink(currentRow());
    if (!link.isEmpty())
        QDesktopServices::openUrl(QUrl(link));
}

ReportLayout TForm_customer::labelDocument() const
{
    const ShopInfo shop = m_form.shop();
    return TForm_Mailtag::layout(shop.address, shop.postCode, m_form.documentRows(TForm_Mailtag::fields()));
}

ReportLayout TForm_customer::listDocument() const
{
    return TForm_reportcustomerinfoList::layout(m_form.shop().name + QStringLiteral("客户列表"),
                                                m_form.documentRows(TForm_reportcustomerinfoList::fields()),
                                                m_form.today());
}

void TForm_customer::printLabels()
{
    TForm_Preview::showDocument(m_ctx.prompt(), labelDocument(), this);
}

void TForm_customer::printList()
{
    TForm_Preview::showDocument(m_ctx.prompt(), listDocument(), this);
}

void TForm_customer::refresh()
{
    const int row = currentRow();
    if (row < 0)
        return;
    select(m_form.relist(row));
}
