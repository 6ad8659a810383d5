#include "ui/maintenance/TForm_init.h"

#include "forms/app/AppContext.h"
#include "ui/app/TForm_waiting.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using F = InitForm::Field;

TForm_init::TForm_init(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx), m_keys(new ScreenKit(this, ctx.prompter)), m_fields(m_keys)
{
    setWindowTitle(QStringLiteral("系统初始化"));
    auto *layout = new QVBoxLayout(this);

    auto *yours = new QGroupBox(QStringLiteral("您的信息："), this);
    auto *g = new QGridLayout(yours);
    auto edit = [yours] { return new QLineEdit(yours); };
    nameEdit = edit();
    addressEdit = edit();
    postCodeEdit = edit();
    phoneEdit = edit();
    faxEdit = edit();
    dateEdit = new QDateEdit(yours);
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    g->addWidget(ScreenKit::caption(nameEdit, QStringLiteral("公司名称：")), 0, 0);
    g->addWidget(nameEdit, 0, 1, 1, 5);
    g->addWidget(ScreenKit::caption(addressEdit, QStringLiteral("公司地址：")), 1, 0);
    g->addWidget(addressEdit, 1, 1, 1, 5);
    g->addWidget(ScreenKit::caption(postCodeEdit, QStringLiteral("邮编：")), 2, 0);
    g->addWidget(postCodeEdit, 2, 1);
    g->addWidget(ScreenKit::caption(phoneEdit, QStringLiteral("电话：")), 2, 2);
    g->addWidget(phoneEdit, 2, 3);
    g->addWidget(ScreenKit::caption(faxEdit, QStringLiteral("传真：")), 2, 4);
    g->addWidget(faxEdit, 2, 5);
    g->addWidget(ScreenKit::caption(dateEdit, QStringLiteral("日期：")), 3, 0);
    g->addWidget(dateEdit, 3, 1);
    layout->addWidget(yours);

    auto *data = new QGroupBox(QStringLiteral("数据信息："), this);
    auto *d = new QGridLayout(data);
    const QStringList captions = InitForm::boxCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(captions[i], data);
        d->addWidget(box, i / 3, i % 3);
        boxes << box;
    }
    layout->addWidget(data);

    auto *note = new QLabel(QStringLiteral("注：初始化后所有相应得数据库都被清空，请慎重操作。"), this);
    note->setStyleSheet(QStringLiteral("color:red;"));
    layout->addWidget(note);
    auto *buttons = new QHBoxLayout;
    initButton = new QPushButton(QStringLiteral("初始化"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch(1);
    buttons->addWidget(initButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);

    InitForm &f = m_form;
    m_fields.field(nameEdit, &f.name).as(F::Name);
    m_fields.field(addressEdit, &f.address).as(F::Address);
    m_fields.field(postCodeEdit, &f.postCode).as(F::PostCode);
    m_fields.field(phoneEdit, &f.phone).as(F::Phone);
    m_fields.field(faxEdit, &f.fax).as(F::Fax).then(initButton);
    m_fields.field(dateEdit, &f.accountDate, ScreenKit::Walk::Aside);
    for (int i = 0; i < boxes.size(); ++i)
        m_fields.field(boxes[i], &f.ticked[size_t(i)]);
    m_keys->button(initButton, [this] { onInitialise(); });
    m_keys->button(exitButton, [this] { reject(); });
    m_keys->startAt(exitButton);
    // After a database error nothing was written: the screen shows what the operator entered.
    m_keys->onError([this] { m_fields.show(); });

    m_form.working = [](bool on) { on ? TForm_waiting::begin() : TForm_waiting::end(); };
    m_keys->run([this] { m_form.load(); });
    m_fields.show();
}

void TForm_init::onInitialise()
{
    m_fields.read();
    const F refused = m_form.initialise();
    m_fields.show();
    if (refused != F::None)
        m_fields.focus(refused);
}
