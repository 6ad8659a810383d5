#include "ui/app/TForm_selDate.h"

#include "core/app/DateText.h"
#include "ui/app/FormLayout.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm_selDate::TForm_selDate(const QDate &today, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("请选择当前日期"));
    auto *layout = new QVBoxLayout(this);
    dateEdit = new QDateEdit(today, this);
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy'年'M'月'd'日'"));
    FormLayout::caption(dateEdit, QStringLiteral("日期"));
    layout->addWidget(dateEdit);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    layout->addWidget(okButton);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(okButton, &QPushButton::clicked, this, [this] {
        m_result = DateText::toText(dateEdit->date()).trimmed();
        accept();
    });
}
