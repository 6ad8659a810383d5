#include "ui/maintenance/TForm_backuppath.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_backuppath::TForm_backuppath(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("备份路径"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("该文件为系统退出时的数据备份目标文件。"), this));
    auto *row = new QHBoxLayout;
    pathEdit = new QLineEdit(this);
    row->addWidget(ScreenKit::caption(pathEdit, QStringLiteral("备份目标文件：")));
    row->addWidget(pathEdit, 1);
    browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setAccessibleName(QStringLiteral("选择备份目标文件"));
    row->addWidget(browseButton);
    layout->addLayout(row);
    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定[&O]"), this);
    cancelButton = new QPushButton(QStringLiteral("取消[&C]"), this);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    resize(520, height());

    // The path, then "确定[&O]"; "..." is passed over by Enter and, once a file is chosen, hands
    // the focus to "确定[&O]".
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->field(pathEdit);
    keys->button(browseButton, [this] {
        if (m_form.choose()) {
            pathEdit->setText(m_form.path);
            ScreenKit::focus(okButton);
        }
    }, ScreenKit::Walk::Aside);
    keys->button(okButton, [this] {
        m_form.path = pathEdit->text();
        if (m_form.confirm())
            accept();
    });
    keys->button(cancelButton, [this] { reject(); });
    keys->run([this] { m_form.load(); });
    pathEdit->setText(m_form.path);
}
