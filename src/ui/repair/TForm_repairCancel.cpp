#include "ui/repair/TForm_repairCancel.h"

#include "ui/kit/ScreenKit.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_repairCancel::TForm_repairCancel(const QDate &today, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("取消维修"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    reasonEdit = new QLineEdit(this);
    // The picker starts at today, so a confirmed cancel never carries an arbitrary date.
    dateEdit = new QDateEdit(today, this);
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    grid->addWidget(ScreenKit::caption(reasonEdit, QStringLiteral("取消原因：")), 0, 0);
    grid->addWidget(reasonEdit, 0, 1);
    grid->addWidget(ScreenKit::caption(dateEdit, QStringLiteral("返还日期：")), 1, 0);
    grid->addWidget(dateEdit, 1, 1);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("*取消维修后将不能进行下一步的处理，请慎重操作！"), this));
    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定"), this);
    cancelButton = new QPushButton(QStringLiteral("取消"), this);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    // The focus starts in the reason; Enter there goes to "确定".
    auto *keys = new ScreenKit(this);
    keys->route(reasonEdit, [this] { return ScreenKit::Step::to(okButton); });
    keys->field(dateEdit, {}, ScreenKit::Walk::Aside);
    keys->button(okButton, [this] { accept(); });
    keys->button(cancelButton, [this] { reject(); });
}

void TForm_repairCancel::done(int result)
{
    if (result == QDialog::Accepted)
        m_form.confirm(reasonEdit->text(), dateEdit->date());
    else
        m_form.cancel();
    QDialog::done(result);
}
