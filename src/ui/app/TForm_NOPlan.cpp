#include "ui/app/TForm_NOPlan.h"

#include "ui/app/FormLayout.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm_NOPlan::TForm_NOPlan(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("编号设置"));
    auto *layout = new QVBoxLayout(this);

    auto *modeBox = new QGroupBox(this);
    auto *modeLayout = new QVBoxLayout(modeBox);
    defaultMode = new QRadioButton(QStringLiteral("使用默认编号方式"), modeBox);
    customMode = new QRadioButton(QStringLiteral("使用自定义编号"), modeBox);
    defaultMode->setChecked(true);
    modeLayout->addWidget(defaultMode);
    modeLayout->addWidget(customMode);
    layout->addWidget(modeBox);

    auto *planBox = new QGroupBox(QStringLiteral("维修业务编号自定义："), this);
    auto *planLayout = new QVBoxLayout(planBox);
    prefixEdit = FormLayout::addField(planLayout, QStringLiteral("前缀："));
    digitsEdit = FormLayout::addField(planLayout, QStringLiteral("后缀位数："));
    startEdit = FormLayout::addField(planLayout, QStringLiteral("后缀起始值："));
    planLayout->addWidget(new QLabel(QStringLiteral("形如“wx-00001”的编号，前缀为“wx-”，后缀为“00001”"), planBox));
    planLayout->addWidget(new QLabel(QStringLiteral("后缀位数为5位，其中后缀必须位整数串，起始值可以根据需要设置。"), planBox));
    layout->addWidget(planBox);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确认[&O]"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消[&C]"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FormLayout::enterMovesFocus(this);
}

void TForm_NOPlan::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_form.load();
    (m_form.useCustom ? customMode : defaultMode)->setChecked(true);
    prefixEdit->setText(m_form.prefix);
    digitsEdit->setText(m_form.digitsText);
    startEdit->setText(m_form.startText);
}

void TForm_NOPlan::accept()
{
    m_form.useCustom = customMode->isChecked();
    m_form.prefix = prefixEdit->text();
    m_form.digitsText = digitsEdit->text();
    m_form.startText = startEdit->text();
    if (m_form.confirm())
        QDialog::accept();
}
