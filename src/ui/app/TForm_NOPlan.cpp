#include "ui/app/TForm_NOPlan.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
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
    auto *fields = new QGridLayout;
    prefixEdit = new QLineEdit(planBox);
    digitsEdit = new QLineEdit(planBox);
    startEdit = new QLineEdit(planBox);
    int row = 0;
    for (auto [edit, caption] : {std::pair{prefixEdit, "前缀："}, std::pair{digitsEdit, "后缀位数："},
                                 std::pair{startEdit, "后缀起始值："}}) {
        fields->addWidget(ScreenKit::caption(edit, QString::fromUtf8(caption)), row, 0);
        fields->addWidget(edit, row++, 1);
    }
    planLayout->addLayout(fields);
    planLayout->addWidget(new QLabel(QStringLiteral("形如“wx-00001”的编号，前缀为“wx-”，后缀为“00001”"), planBox));
    planLayout->addWidget(new QLabel(QStringLiteral("后缀位数为5位，其中后缀必须位整数串，起始值可以根据需要设置。"), planBox));
    layout->addWidget(planBox);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("确认[&O]"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(QStringLiteral("取消[&C]"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->field(defaultMode);
    m_keys->field(customMode);
    m_keys->field(prefixEdit);
    m_keys->field(digitsEdit);
    m_keys->field(startEdit);
    m_keys->button(ok, [this] { accept(); });
    m_keys->button(cancel, [this] { reject(); });
}

void TForm_NOPlan::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    if (!m_keys->run([this] { m_form.load(); }))
        return;
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
