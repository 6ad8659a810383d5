#include "ui/followup/TForm_backsee_set.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TForm_backsee_set::TForm_backsee_set(AppContext &ctx, QWidget *parent) : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("回访设置"));
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->run([this] { m_form.load(); });

    auto *layout = new QVBoxLayout(this);
    auto *days = new QHBoxLayout;
    startEdit = new QLineEdit(m_form.startText, this);
    stopEdit = new QLineEdit(m_form.stopText, this);
    // Whole days only; an empty box counts as 0.
    for (QLineEdit *e : {startEdit, stopEdit}) {
        e->setValidator(new QIntValidator(-99999, 99999, e));
        e->setMaximumWidth(70);
    }
    days->addWidget(ScreenKit::caption(startEdit, QStringLiteral("业务完成后第")));
    days->addWidget(startEdit);
    days->addWidget(ScreenKit::caption(stopEdit, QStringLiteral("天至第")));
    days->addWidget(stopEdit);
    days->addWidget(new QLabel(QStringLiteral("天回访"), this));
    days->addStretch(1);
    layout->addLayout(days);

    expiryBox = new QCheckBox(QStringLiteral("过期取消"), this);
    expiryBox->setChecked(m_form.cancelOverdue);
    layout->addWidget(expiryBox);

    auto *scope = new QGroupBox(QStringLiteral("回访业务范围"), this);
    auto *scopeLayout = new QHBoxLayout(scope);
    repairsBox = new QCheckBox(QStringLiteral("维修业务"), scope);
    salesBox = new QCheckBox(QStringLiteral("销售业务"), scope);
    repairsBox->setChecked(m_form.repairs);
    salesBox->setChecked(m_form.sales);
    scopeLayout->addWidget(repairsBox);
    scopeLayout->addWidget(salesBox);
    scopeLayout->addStretch(1);
    layout->addWidget(scope);

    auto *customers = new QGroupBox(QStringLiteral("回访客户范围"), this);
    auto *customersLayout = new QVBoxLayout(customers);
    auto *scroll = m_scroll = new QScrollArea(customers);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *lines = new QWidget;
    auto *linesLayout = new QVBoxLayout(lines);
    for (const auto &c : std::as_const(m_form.classes)) {
        auto *box = new QCheckBox(c.name, lines);
        box->setChecked(c.followsUp);
        linesLayout->addWidget(box);
        classBoxes << box;
    }
    linesLayout->addStretch(1);
    scroll->setWidget(lines);
    scroll->setMinimumHeight(160);
    customersLayout->addWidget(scroll);
    layout->addWidget(customers, 1);

    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定[&O]"), this);
    cancelButton = new QPushButton(QStringLiteral("取消[&C]"), this);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    keys->field(startEdit);
    keys->field(stopEdit);
    for (QCheckBox *b : {expiryBox, repairsBox, salesBox})
        keys->field(b, {}, ScreenKit::Walk::Aside);
    for (QCheckBox *b : std::as_const(classBoxes)) {
        keys->field(b, {}, ScreenKit::Walk::Aside);
        b->installEventFilter(this); // tabbing down the classes keeps the current one in view
    }
    keys->button(okButton, [this] { onOk(); });
    keys->button(cancelButton, [this] { reject(); });
    resize(420, 460);
}

bool TForm_backsee_set::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        if (auto *box = qobject_cast<QCheckBox *>(watched); box && classBoxes.contains(box))
            m_scroll->ensureWidgetVisible(box);
    return QDialog::eventFilter(watched, event);
}

void TForm_backsee_set::onOk()
{
    m_form.startText = startEdit->text();
    m_form.stopText = stopEdit->text();
    m_form.cancelOverdue = expiryBox->isChecked();
    m_form.repairs = repairsBox->isChecked();
    m_form.sales = salesBox->isChecked();
    for (int i = 0; i < classBoxes.size() && i < m_form.classes.size(); ++i)
        m_form.classes[i].followsUp = classBoxes.at(i)->isChecked();
    if (m_form.confirm())
        accept();
    else
        ScreenKit::focus(stopEdit);
}
