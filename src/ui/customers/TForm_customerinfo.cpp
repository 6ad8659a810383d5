#include "ui/customers/TForm_customerinfo.h"

#include "forms/app/AppContext.h"
#include "print/customers/TForm_Mailtag.h"
#include "print/customers/TForm_Report_customerinfo.h"
#include "ui/print/TForm_Preview.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using F = CustomerCardForm::Field;

TForm_customerinfo::TForm_customerinfo(AppContext &ctx, const QString &customerName, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_form(ctx, customerName), m_keys(new ScreenKit(this, ctx.prompter)),
      m_fields(m_keys)
{
    setWindowTitle(QStringLiteral("客户资料"));
    auto *layout = new QVBoxLayout(this);
    auto *g = new QGridLayout;
    auto edit = [this] { return new QLineEdit(this); };
    nameEdit = edit();
    classBox = new QComboBox(this);
    classBox->setEditable(true);
    registeredEdit = edit();
    registeredEdit->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
    companyEdit = edit();
    contactEdit = edit();
    managerEdit = edit();
    phoneEdit = edit();
    faxEdit = edit();
    addressEdit = edit();
    postCodeEdit = edit();
    emailEdit = edit();
    accountEdit = edit();
    taxNumberEdit = edit();
    routeEdit = edit();
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(80);

    // Two fields a line; the long ones across.
    const QList<QPair<QString, QWidget *>> pairs = {
        {QStringLiteral("客户名称："), nameEdit},     {QStringLiteral("类别："), classBox},
        {QStringLiteral("登记时间："), registeredEdit}, {QStringLiteral("单位(公司)："), companyEdit},
        {QStringLiteral("联系人："), contactEdit},    {QStringLiteral("物资主管："), managerEdit},
        {QStringLiteral("联系电话："), phoneEdit},    {QStringLiteral("传真："), faxEdit}};
    for (int i = 0; i < pairs.size(); ++i) {
        const int row = i / 2, column = (i % 2) * 2;
        g->addWidget(ScreenKit::caption(pairs[i].second, pairs[i].first), row, column);
        g->addWidget(pairs[i].second, row, column + 1);
    }
    int row = int(pairs.size()) / 2;
    g->addWidget(ScreenKit::caption(addressEdit, QStringLiteral("地址：")), row, 0);
    g->addWidget(addressEdit, row, 1);
    g->addWidget(ScreenKit::caption(postCodeEdit, QStringLiteral("邮编：")), row, 2);
    g->addWidget(postCodeEdit, row++, 3);
    g->addWidget(ScreenKit::caption(emailEdit, QStringLiteral("电子邮件：")), row, 0);
    g->addWidget(emailEdit, row, 1);
    g->addWidget(ScreenKit::caption(accountEdit, QStringLiteral("账号：")), row, 2);
    g->addWidget(accountEdit, row++, 3);
    g->addWidget(ScreenKit::caption(taxNumberEdit, QStringLiteral("税号：")), row, 0);
    g->addWidget(taxNumberEdit, row++, 1, 1, 3);
    g->addWidget(ScreenKit::caption(routeEdit, QStringLiteral("乘车线路：")), row, 0);
    g->addWidget(routeEdit, row++, 1, 1, 3);
    g->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("备注：")), row, 0, Qt::AlignTop);
    g->addWidget(remarksEdit, row, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    layout->addLayout(g);

    auto *buttons = new QHBoxLayout;
    updateButton = new QPushButton(QStringLiteral("更新"), this);
    printDataButton = new QPushButton(QStringLiteral("打印资料"), this);
    printLabelButton = new QPushButton(QStringLiteral("打印信签"), this);
    mailButton = new QPushButton(QStringLiteral("邮件联系"), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    for (QPushButton *b : {updateButton, printDataButton, printLabelButton, mailButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    classBox->addItems(m_form.classes());
    CustomerRecord &r = m_form.fields;
    m_fields.field(nameEdit, &r.name).as(F::Name).then(closeButton);
    m_fields.field(classBox, &r.customerClass).then(closeButton);
    m_fields.field(registeredEdit, &r.registered).as(F::Registered).then(closeButton);
    m_fields.field(companyEdit, &r.company).then(closeButton);
    m_fields.field(contactEdit, &r.contact).then(closeButton);
    m_fields.field(managerEdit, &r.manager).then(closeButton);
    m_fields.field(phoneEdit, &r.phone).then(closeButton);
    m_fields.field(faxEdit, &r.fax).then(closeButton);
    m_fields.field(addressEdit, &r.address).then(closeButton);
    m_fields.field(postCodeEdit, &r.postCode).then(closeButton);
    m_fields.field(emailEdit, &r.email).then(closeButton);
    m_fields.field(accountEdit, &r.account).then(closeButton);
    m_fields.field(taxNumberEdit, &r.taxNumber).then(closeButton);
    m_fields.field(routeEdit, &r.route).then(closeButton);
    m_fields.field(remarksEdit, &r.remarks);
    m_keys->button(updateButton, [this] { onUpdate(); });
    m_keys->button(printDataButton, [this] { printData(); });
    m_keys->button(printLabelButton, [this] { printLabel(); });
    m_keys->button(mailButton, [this] { mail(); });
    m_keys->button(closeButton, [this] { reject(); });
    m_keys->startAt(closeButton);

    m_keys->run([this] { m_form.load(); });
    m_fields.show();
    resize(760, 480);
}

void TForm_customerinfo::onUpdate()
{
    m_fields.read();
    const F refused = m_form.update();
    if (refused == F::None)
        m_fields.show();
    else
        m_fields.go(refused);
}

ReportLayout TForm_customerinfo::dataDocument() const
{
    return TForm_Report_customerinfo::layout(m_form.shop().name + QStringLiteral("客户资料"),
                                             m_form.documentRows(TForm_Report_customerinfo::fields()));
}

ReportLayout TForm_customerinfo::labelDocument() const
{
    const ShopInfo shop = m_form.shop();
    return TForm_Mailtag::layout(shop.address, shop.postCode, m_form.documentRows(TForm_Mailtag::fields()));
}

void TForm_customerinfo::printData()
{
    TForm_Preview::showDocument(m_ctx.prompt(), dataDocument(), this);
}

void TForm_customerinfo::printLabel()
{
    TForm_Preview::showDocument(m_ctx.prompt(), labelDocument(), this);
}

void TForm_customerinfo::mail()
{
    m_fields.read();
    const QString link = m_form.mailLink();
    if (!link.isEmpty())
        QDesktopServices::openUrl(QUrl(link));
}
