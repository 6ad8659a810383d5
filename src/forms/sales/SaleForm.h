#pragma once

#include "core/customers/CustomerRecord.h"
#include "forms/bills/BillForm.h"

#include <QDate>
#include <QStringList>

// "商品出售": one sale of up to nineteen lines to one customer. Holds the header, customer and
// amount fields and the lines; runs the checks of the fields and of "售出[&S]" in the order and
// words the operator sees; checks every line (numbers, and stock with the lines of one part
// counted together) before anything is written, then writes the whole sale in one transaction.
class SaleForm : public BillForm
{
public:
    static constexpr int LineCount = 19;
    static constexpr int MaxTextBytes = 50; // customer name and phone
    enum Column { PartNo, Name, Category, Unit, Model, Quantity, Price, Amount, Warranty, Serials, Remarks, ColumnCount };
    static BillDeclaration bill();

    // Where the focus goes after a check.
    enum class Field { None, Number, Customer, CustomerClass, Phone, Lines, Due, Received, Invoice };

    explicit SaleForm(AppContext &ctx);

    QString number;    // "业务编号："
    QString handledBy; // "经办人："
    QDate date;        // "日期："
    QString customer;  // "客户名称："
    QString customerClass; // "类别："
    QString phone;     // "联系电话："
    QString due = QStringLiteral("0");      // "应收款："
    QString received = QStringLiteral("0"); // "实收："
    QString invoice;   // "发票号："

    // On show, and again after each sale: operator, the next "sc-" number, the classes, today.
    void open();
    const QStringList &classes() const { return m_classes; }

    // "客户名称：": false (message shown) for an empty or too long name.
    bool checkCustomer() const;
    // Enter in "客户名称：": the check; a customer in the directory fills class and phone.
    bool lookUpCustomer();
    // The customer chosen in the picker.
    void takeCustomer(const CustomerRecord &c);
    // Enter in "类别：": false (message shown) for a class that does not exist.
    bool checkClass() const;
    // Enter in "联系电话：": false (message shown) for a phone too long.
    bool checkPhone() const;
    // Enter in "实收：": a warning when it is not the amount due (the focus moves on all the same).
    void checkReceived() const;

    // "应收款：" and "实收：" := the sum of the lines' amounts (a text that is not an amount counts
    // 0). Runs whenever an amount of the lines changes; the operator may change both afterwards.
    void updateTotals();

    // "售出[&S]". Field::None when sold (the form is ready for the next sale); otherwise the field
    // to go back to, with nothing written (for Field::Lines, refusedLine() is the line).
    Field sell();
    int refusedLine() const { return m_refusedLine; }

private:
    // The header's checks in screen order, the field checks included; the first refused, or None.
    Field checkHeader() const;

    QStringList m_classes;
    int m_refusedLine = -1;
};
