#include "ui/maintenance/TForm_backuppath.h"

#include "ui/app/FormLayout.h"

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
    pathEdit = FormLayout::addField(row, QStringLiteral("备份目标文件："));
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

    m_form.load();
    pathEdit->setText(m_form.path);

    connect(browseButton, &QPushButton::clicked, this, [this] {
        if (m_form.choose()) {
            pathEdit->setText(m_form.path);
            okButton->setFocus();
        }
    });
    connect(okButton, &QPushButton::clicked, this, [this] {
        m_form.path = pathEdit->text();
        if (m_form.confirm())
            accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
