#pragma once

#include "core/repair/RepairJob.h"
#include "core/customers/CustomerRecord.h"
#include "forms/repair/RepairIntake.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

struct AppContext;

// The rework screen's logic: find the earlier job by serial number or item name, then register
// a new job marked as rework, with the earlier total fee proposed as the refund.
class RepairBackForm
{
public:
    enum class Field {
        None, Number, Serial, Customer, Contact, CustomerClass, Phone, ItemName, Accessories, Prepayment, Refund,
        Fault, Remarks, Register,
    };

    // Besides what the registration screen has too: the refund.
    struct Values : RepairIntake::Values
    {
        QString refund = QStringLiteral("0");
    };

    static inline const QString RegisterCaption = QStringLiteral("登记[&R]");
    static inline const QString NewCaption = QStringLiteral("新建登记");
    static inline const QString ReworkSuffix = QStringLiteral("（该维修系返修）");

    explicit RepairBackForm(AppContext &ctx);

    Values values;
    QStringList classes;
    QString earlierJob() const { return m_earlier; } // empty until one was found
    bool registered() const { return m_intake.registered(); }
    QString buttonCaption() const { return registered() ? NewCaption : RegisterCaption; }

    // On show: operator, number, class list, date; clears the earlier job. False when the number
    // could not be made.
    bool show();
    // "新建登记".
    bool startNew();

    // The earlier job found by the serial number ("校验>>") or by the item name (Enter in
    // "修物名称："). On success `found` is the job (the caller shows it in the detail window, then
    // calls takeEarlier); otherwise returns the field to focus.
    Field findBySerial(std::optional<RepairJob> &found);
    Field findByName(std::optional<RepairJob> &found);
    // Fills the screen from the earlier job and its customer; returns the field to focus.
    Field takeEarlier(const RepairJob &earlier, bool byName);

    // Enter in "客户名称：": check and look-up; returns the field to focus.
    Field lookUpCustomer();
    void takeCustomer(const CustomerRecord &customer);
    // Enter in "预收款：" / "退款：".
    bool checkOnEnter(Field field);

    // "登记[&R]": on refusal the field to focus, Field::None when registered.
    Field registerJob();

    RepairJob job() const;

private:
    std::optional<Field> firstFailure();

    AppContext &m_ctx;
    RepairIntake m_intake;
    QString m_earlier;
};
