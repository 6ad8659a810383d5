#pragma once

#include "core/customers/CustomerDealings.h"
#include "forms/lists/ListForm.h"

#include <QDate>
#include <memory>

// "客户业务明细": everything the shop has done with one customer (the name matched exactly): the
// four summary lines, reckoned once when the window opens, and three lists (the repairs in hand,
// the finished repairs, the sales), each listed again whenever its tab is shown. It only reads.
class CustomerDealingsForm
{
public:
    CustomerDealingsForm(AppContext &ctx, const QString &customer);
    ~CustomerDealingsForm();

    static ListDeclaration inHandDeclaration(const QString &customer);
    static ListDeclaration finishedDeclaration(const QString &customer);
    static ListDeclaration salesDeclaration(const QString &customer);

    QString customer() const { return m_customer; }
    // Reckons the summary (on showing).
    void open();
    const CustomerDealings &figures() const { return m_figures; }
    // The four lines of "概述", as shown and printed.
    QStringList summaryLines() const;

    ListForm &inHand() { return *m_inHand; }
    ListForm &finished() { return *m_finished; }
    ListForm &sales() { return *m_sales; }

    // What "打印[&P]" prints: each list's rows with the columns of its section of the document
    // (the repairs in hand: number, state, intake date, clerk, item, fee total, technician; the
    // finished ones: the same with end date and amount charged for the last two; the sales:
    // number, clerk, date, amount received).
    struct Printout
    {
        QString shopName;
        QList<QStringList> inHand;
        QList<QStringList> finished;
        QList<QStringList> sales;
    };
    Printout printout() const;
    QDate today() const;

private:
    AppContext &m_ctx;
    QString m_customer;
    CustomerDealings m_figures;
    std::unique_ptr<ListForm> m_inHand;
    std::unique_ptr<ListForm> m_finished;
    std::unique_ptr<ListForm> m_sales;
};
