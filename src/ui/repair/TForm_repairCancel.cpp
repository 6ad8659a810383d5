#include "ui/repair/TForm_repairCancel.h"

#include "ui/repair/RepairWidgets.h"

#include <QDateEdit>
#include <QHBoxLayout>
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
    RepairWidgets::place(grid, 0, 0, QStringLiteral("取消原因："), reasonEdit);
    RepairWidgets::place(grid, 1, 0, QStringLiteral("返还日期："), dateEdit);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("*取消维修后将不能进行下一步的处理，请慎重操作！"), this));
    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定"), this);
    cancelButton = new QPushButton(QStringLiteral("取消"), this);
    okButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(reasonEdit, &QLineEdit::returnPressed, okButton, [this] { okButton->setFocus(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    reasonEdit->setFocus();
}

void TForm_repairCancel::done(int result)
{
    if (result == QDialog::Accepted)
        m_form.confirm(reasonEdit->text(), dateEdit->date());
    else
        m_form.cancel();
    QDialog::done(result);
}
