#pragma once

#include "core/repair/RepairJob.h"
#include "core/customers/CustomerRecord.h"
#include "forms/repair/RepairIntake.h"

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

    // Besides what the rework screen has too: the time, address, route, item category and
    // brand, technician, kind of intake, appointment and warranty.
    struct Values : RepairIntake::Values
    {
        QTime intakeTime;
        QString address;
        QString route;
        QString itemCategory;
        QString brand;
        QString technician;
        QString intakeKind = QStringLiteral("上门送修");
        QString appointment;
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
    static inline const QString &ExistsQuestion = RepairIntake::ExistsQuestion;
    static inline const QString &NewCustomerMessage = RepairIntake::NewCustomerMessage;

    explicit RegForm(AppContext &ctx);

    Values values;
    PickLists lists;
    bool registered() const { return m_intake.registered(); } // the button shows "新建[&N]"
    QString buttonCaption() const { return registered() ? NewCaption : RegisterCaption; }

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
    std::optional<Field> firstFailure();

    AppContext &m_ctx;
    RepairIntake m_intake;
};
