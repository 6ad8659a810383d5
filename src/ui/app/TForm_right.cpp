#include "ui/app/TForm_right.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TForm_right::TForm_right(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("权限分配"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    list = new QListWidget(this);
    list->setAccessibleName(QStringLiteral("用户名"));
    list->setMaximumWidth(160);
    top->addWidget(list);
    auto *grid = new QGridLayout;
    const auto defs = RightForm::checkBoxes();
    for (int i = 0; i < defs.size(); ++i) {
        auto *box = new QCheckBox(defs[i].first, this);
        boxes << box;
        m_bits << defs[i].second;
        grid->addWidget(box, i / 3, i % 3);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) { m_form.set(list->currentRow(), m_bits[i], on); });
    }
    top->addLayout(grid);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("*技术员视图：分配给技术员的权限，可以处理技术员本人维修。"), this));
    layout->addWidget(new QLabel(QStringLiteral("查询本人处理过的维修、查询本人业绩（排行）。"), this));
    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定[&O]"), this);
    cancelButton = new QPushButton(QStringLiteral("取消[&C]"), this);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    // The list first, then the rights in screen order; Enter walks the boxes to "确定[&O]".
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->field(list);
    for (QCheckBox *box : std::as_const(boxes))
        keys->field(box);
    keys->button(okButton, [this] { m_form.confirm(); });
    keys->button(cancelButton, [this] { reject(); });

    connect(list, &QListWidget::currentRowChanged, this, &TForm_right::showRow);
    keys->run([this] {
        m_form.load();
        for (const Operator &op : m_form.rows())
            list->addItem(op.loginName);
    });
    if (list->count() > 0)
        list->setCurrentRow(0);
    showRow(list->currentRow());
}

void TForm_right::showRow(int row)
{
    for (int i = 0; i < boxes.size(); ++i) {
        const QSignalBlocker block(boxes[i]);
        boxes[i]->setChecked(m_form.has(row, m_bits[i]));
        boxes[i]->setEnabled(row >= 0);
    }
}
