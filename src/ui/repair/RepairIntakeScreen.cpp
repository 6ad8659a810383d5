#include "ui/repair/RepairIntakeScreen.h"

#include "forms/app/AppContext.h"
#include "forms/repair/RegForm.h"
#include "forms/repair/RepairBackForm.h"
#include "ui/customers/TForm_selcustomer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

template <class Form>
RepairIntakeScreen<Form>::RepairIntakeScreen(AppContext &ctx, QWidget *parent, Field first, Field afterPick)
    : QDialog(parent), m_ctx(ctx), m_form(ctx), m_keys(new ScreenKit(this, ctx.prompter)), m_fields(m_keys),
      m_grid(new QGridLayout), m_first(first), m_afterPick(afterPick)
{
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(m_grid);
    for (QLineEdit **e : {&numberEdit, &handledByEdit, &customerEdit, &contactEdit, &phoneEdit, &itemNameEdit,
                          &serialEdit, &accessoriesEdit, &prepaymentEdit})
        *e = new QLineEdit(this);
    dateEdit = new QDateEdit(this);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy'年'M'月'd'日'"));
    dateEdit->setCalendarPopup(true);
    pickButton = new QPushButton(QStringLiteral("..."), this); // the customer directory
    pickButton->setToolTip(QStringLiteral("客户目录"));
    pickButton->setFixedWidth(30);
    classBox = new QComboBox(this);
    classBox->setEditable(true);
    remarksEdit = new QPlainTextEdit(this);

    auto *buttons = new QHBoxLayout;
    registerButton = new QPushButton(Form::RegisterCaption, this);
    receiptButton = new QPushButton(QStringLiteral("凭证"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch();
    for (QPushButton *b : {registerButton, receiptButton, exitButton})
        buttons->addWidget(b);
    outer->addLayout(buttons);

    // After a database error the screen shows what the form holds, which is what was stored.
    m_keys->onError([this] { showForm(); });
}

template <class Form>
void RepairIntakeScreen<Form>::place(int row, int column, const QString &caption, QWidget *input, int span)
{
    m_grid->addWidget(ScreenKit::caption(input, caption), row, column);
    m_grid->addWidget(input, row, column + 1, 1, span);
}

template <class Form>
void RepairIntakeScreen<Form>::declareHead()
{
    auto &v = m_form.values;
    m_fields.field(numberEdit, &v.number).as(Field::Number);
    m_fields.field(handledByEdit, &v.handledBy);
    m_fields.field(dateEdit, &v.intakeDate);
}

template <class Form>
void RepairIntakeScreen<Form>::declareCustomer()
{
    m_fields.field(customerEdit, &m_form.values.customer).as(Field::Customer).check([this] {
        return m_form.lookUpCustomer();
    });
    m_keys->button(pickButton, [this] { onPick(); }, ScreenKit::Walk::Aside);
}

template <class Form>
FieldMap::Entry &RepairIntakeScreen<Form>::checked(QWidget *input, QString *value, Field field)
{
    return m_fields.field(input, value).as(field).check([this, field] { return m_form.checkOnEnter(field); });
}

template <class Form>
void RepairIntakeScreen<Form>::declareButtons()
{
    m_keys->button(registerButton, [this] { onRegister(); });
    m_keys->button(receiptButton, [this] { onReceipt(); });
    m_keys->button(exitButton, [this] { reject(); });
    m_fields.target(Field::Register, registerButton);
    m_keys->startAt(widget(m_first));
}

template <class Form>
void RepairIntakeScreen<Form>::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_keys->run([this] { started(m_form.show()); });
}

template <class Form>
void RepairIntakeScreen<Form>::started(bool ok)
{
    if (ok)
        showLists();
    showForm();
    if (ok)
        m_fields.focus(m_first);
}

template <class Form>
void RepairIntakeScreen<Form>::showForm()
{
    m_fields.show();
    registerButton->setText(m_form.buttonCaption());
}

template <class Form>
void RepairIntakeScreen<Form>::onRegister()
{
    m_fields.read();
    if (m_form.registered()) {
        started(m_form.startNew());
        return;
    }
    const Field refused = m_form.registerJob();
    showForm();
    if (refused != Field::None)
        m_fields.focus(refused);
}

template <class Form>
void RepairIntakeScreen<Form>::onReceipt()
{
    m_fields.read();
    showReceipt(m_form.job());
}

template <class Form>
void RepairIntakeScreen<Form>::onPick()
{
    const std::optional<CustomerRecord> picked = TForm_selcustomer::pick(m_ctx, this);
    if (!picked || picked->name.isEmpty())
        return;
    m_fields.read();
    m_form.takeCustomer(*picked);
    showForm();
    m_fields.focus(m_afterPick);
}

template class RepairIntakeScreen<RegForm>;
template class RepairIntakeScreen<RepairBackForm>;
