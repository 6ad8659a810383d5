#include "ui/app/TForm_selDate.h"

#include "core/app/DateText.h"
#include "ui/kit/ScreenKit.h"

#include <QDateEdit>
#include <QHBoxLayout>
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
    auto *row = new QHBoxLayout;
    row->addWidget(ScreenKit::caption(dateEdit, QStringLiteral("日期：")));
    row->addWidget(dateEdit, 1);
    layout->addLayout(row);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    layout->addWidget(okButton);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The date, then "确定": Enter twice takes the date shown.
    auto *keys = new ScreenKit(this);
    keys->field(dateEdit);
    keys->button(okButton, [this] {
        m_result = DateText::toText(dateEdit->date()).trimmed();
        accept();
    });
}
