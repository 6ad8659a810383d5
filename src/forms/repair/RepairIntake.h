#pragma once

#include "core/customers/CustomerRecord.h"
#include "core/repair/RepairJob.h"
#include "data/repair/RepairStore.h"

#include <QDate>
#include <QString>
#include <optional>

struct AppContext;

// What the registration and the rework screen share when a job is taken in: the values both
// show, the proposed number, the customer look-up, the checks on the customer and the item in
// the order and words the operator sees, and the write of the customer and the new job.
// Each screen keeps its own fields, focus order and extra checks, and names the fields with
// its own enum (see as() and checkOf()).
class RepairIntake
{
public:
    // The inputs both screens have.
    struct Values
    {
        QString number;
        QString handledBy;
        QDate intakeDate;
        QString customer;
        QString contact;
        QString customerClass;
        QString phone;
        QString itemName;
        QString serial;
        QString accessories = QStringLiteral("无");
        QString prepayment = QStringLiteral("0");
        QString fault;
        QString remarks;
        bool onSite = false;
    };

    // The fields the shared checks refuse; None when a field has no shared check.
    enum class Check { None, Number, Customer, Contact, CustomerClass, Phone, ItemName, Serial, Accessories, Prepayment };

    // The screen's own limit on the contact and its words when the contact is longer.
    struct ContactRule
    {
        int limit;
        QString tooLong;
    };

    static inline const QString EmptyNumberMessage = QStringLiteral("业务编号不能为空！");
    static inline const QString ExistsQuestion =
        QStringLiteral("该客户已经存在，请确认。否则，请取消操作，重新填写客户名称！");
    static inline const QString NewCustomerMessage =
        QStringLiteral("该客户为新客户，即将加入客户目录。更详细信息请在客户目录编辑 ！");

    RepairIntake(AppContext &ctx, ContactRule contact);

    bool registered() const { return m_registered; }

    // Shows the warning; always false.
    bool refuse(const QString &message) const;

    // On show: operator, today and the proposed number; false when the number could not be made
    // (its message shown; the number keeps its previous text).
    bool start(Values &v) const;
    // "新建": the customer and item of the last job emptied, not registered any more.
    void clear(Values &v);

    // Enter in "客户名称：": Check::Customer on a failed check, Check::Contact for a customer not
    // in the directory. A customer found is returned in `found` (its contact, class and phone
    // copied into v) with Check::None.
    Check lookUpCustomer(Values &v, std::optional<CustomerRecord> &found) const;
    // The picker's choice: the name, contact, class and phone.
    void takeCustomer(Values &v, const CustomerRecord &customer) const;

    // The check of one field (Contact to Prepayment); true for a field without one.
    bool check(Check field, const Values &v) const;
    // The customer and item checks in screen order; the first that refused.
    std::optional<Check> firstFailure(const Values &v) const;
    // Nothing else keeps business numbers unique, so they are checked before anything is written.
    bool numberFree(const QString &number) const;

    // The customer question, the write and its message. False when the operator declined the
    // customer that exists (nothing written); `whenKnown` is what is done with such a customer.
    bool save(const RepairJob &job, const CustomerRecord &customer, RepairStore::CustomerWrite whenKnown);

    // The job and the customer as far as both screens fill them.
    RepairJob job(const Values &v) const;
    CustomerRecord customerRecord(const Values &v) const;

    // A shared check as the screen's field, and back.
    template <typename Field>
    static Field as(Check check)
    {
        switch (check) {
        case Check::Number: return Field::Number;
        case Check::Customer: return Field::Customer;
        case Check::Contact: return Field::Contact;
        case Check::CustomerClass: return Field::CustomerClass;
        case Check::Phone: return Field::Phone;
        case Check::ItemName: return Field::ItemName;
        case Check::Serial: return Field::Serial;
        case Check::Accessories: return Field::Accessories;
        case Check::Prepayment: return Field::Prepayment;
        case Check::None: break;
        }
        return Field::None;
    }
    template <typename Field>
    static Check checkOf(Field field)
    {
        for (Check c : {Check::Number, Check::Customer, Check::Contact, Check::CustomerClass, Check::Phone,
                        Check::ItemName, Check::Serial, Check::Accessories, Check::Prepayment})
            if (as<Field>(c) == field)
                return c;
        return Check::None;
    }

private:
    AppContext &m_ctx;
    ContactRule m_contact;
    bool m_registered = false;
};
