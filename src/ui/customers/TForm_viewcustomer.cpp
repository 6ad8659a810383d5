#include "ui/customers/TForm_viewcustomer.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_viewcustomer::TForm_viewcustomer(AppContext &ctx, std::vector<ListCondition> customers, QWidget *parent)
    : QDialog(parent), m_form(ctx, std::move(customers))
{
    setWindowTitle(QStringLiteral("浏览客户"));
    auto *keys = new ScreenKit(this, ctx.prompter);
    auto *layout = new QVBoxLayout(this);
    list = new ListScreen(m_form, *keys, this);
    grid = list->grid;
    QPalette pal = grid->palette();
    pal.setColor(QPalette::AlternateBase, QColor(255, 128, 128)); // even record numbers
    grid->setPalette(pal);
    layout->addWidget(list, 1);

    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setReadOnly(true);
    remarksEdit->setMaximumHeight(70);
    layout->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("备注")));
    layout->addWidget(remarksEdit);
    keys->field(remarksEdit);

    auto *buttons = new QHBoxLayout;
    closeButton = new QPushButton(QStringLiteral("关闭"), this);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    keys->button(closeButton, [this] { accept(); });
    keys->startAt(closeButton);

    connect(list, &ListScreen::currentRowChanged, this,
            [this, keys](int row) { keys->run([this, row] { remarksEdit->setPlainText(m_form.remarks(row)); }); });
    keys->run([this] { m_form.load(); });
    resize(1000, 560);
}
