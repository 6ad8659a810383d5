#pragma once

#include "core/repair/RepairJob.h"
#include "core/customers/CustomerRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

struct AppContext;

// The registration screen's logic: the values on the screen, the checks in the order and words
// the operator sees, the customer look-up, and the write of the customer and the new job.
class RegForm
{
public:
    // The inputs, in the order Enter walks through them.
    enum class Field {
        None,
        Number, HandledBy, Customer, Contact, CustomerClass, Phone, Address, Route, ItemName, ItemCategory,
        Brand, Serial, Accessories, Prepayment, Fault, Technician, Appointment, Register,
    };

    struct Values
    {
        QString number;
        QString handledBy;
        QDate intakeDate;
        QTime intakeTime;
        QString customer;
        QString contact;
        QString customerClass;
        QString phone;
        QString address;
        QString route;
        QString itemName;
        QString itemCategory;
        QString brand;
        QString serial;
        QString accessories = QStringLiteral("无");
        QString prepayment = QStringLiteral("0");
        QString fault;
        QString technician;
        QString intakeKind = QStringLiteral("上门送修");
        QString remarks;
        QString appointment;
        bool onSite = false;
        bool underWarranty = false;
    };

    struct PickLists
    {
        QStringList classes, brands, categories, faults, technicians;
    };

    static inline const QString RegisterCaption = QStringLiteral("登记[&R]");
    static inline const QString NewCaption = QStringLiteral("新建[&N]");
    static inline const QStringList IntakeKinds = {QStringLiteral("上门送修"), QStringLiteral("来电报修"),
                                                   QStringLiteral("例行维护")};
    static inline const QString EmptyNumberMessage = QStringLiteral("业务编号不能为空！");
    static inline const QString ExistsQuestion =
        QStringLiteral("该客户已经存在，请确认。否则，请取消操作，重新填写客户名称！");
    static inline const QString NewCustomerMessage =
        QStringLiteral("该客户为新客户，即将加入客户目录。更详细信息请在客户目录编辑 ！");

    explicit RegForm(AppContext &ctx);

    Values values;
    PickLists lists;
    bool registered() const { return m_registered; } // the button shows "新建[&N]"
    QString buttonCaption() const { return m_registered ? NewCaption : RegisterCaption; }

    // On show: operator, proposed number, pick lists, now; false when the number could not be
    // made (its message shown; the rest is skipped, the number keeps its previous text).
    bool show(const QTime &now = QTime::currentTime());
    // "新建[&N]": the on-show steps, then the fields of the last job emptied.
    bool startNew(const QTime &now = QTime::currentTime());

    // The check made when Enter is pressed in a field: true to move on (see next()).
    bool checkOnEnter(Field field);
    // Where Enter moves from a field (after its check passed).
    Field next(Field field) const;
    // Enter in "客户名称：": the check and the look-up; fills the customer fields when found.
    // Returns the field to focus (Customer again on a failed check).
    Field lookUpCustomer();
    // The picker's choice fills the customer fields; the focus then goes to "修物名称：".
    void takeCustomer(const CustomerRecord &customer);

    // "登记[&R]": the checks, the customer question, the write. On refusal returns the field to
    // focus; Field::None on success.
    Field registerJob();

    // The job as the screen shows it (what is written, and what the receipt prints).
    RepairJob job() const;
    CustomerRecord customerRecord() const;

private:
    bool refuse(const QString &message);
    std::optional<Field> firstFailure();

    AppContext &m_ctx;
    bool m_registered = false;
};
