#include "ui/app/FormLayout.h"

#include "ui/app/EnterKeyFilter.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

QLineEdit *FormLayout::addField(QBoxLayout *layout, const QString &text)
{
    auto *row = new QHBoxLayout;
    auto *edit = new QLineEdit;
    auto *label = new QLabel(text);
    label->setBuddy(edit);
    edit->setAccessibleName(text);
    row->addWidget(label);
    row->addWidget(edit, 1);
    layout->addLayout(row);
    return edit;
}

void FormLayout::caption(QWidget *input, const QString &text)
{
    input->setAccessibleName(text);
}

void FormLayout::enterMovesFocus(QWidget *screen)
{
    auto *filter = new EnterKeyFilter(screen);
    const auto children = screen->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(filter);
}
