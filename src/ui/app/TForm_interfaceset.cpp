#include "ui/app/TForm_interfaceset.h"

#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "ui/app/FormLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_interfaceset::TForm_interfaceset(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("欢迎界面设置"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    pathEdit = FormLayout::addField(row, QStringLiteral("背景图片位置："));
    browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setAccessibleName(QStringLiteral("选择背景图片"));
    row->addWidget(browseButton);
    layout->addLayout(row);
    layout->addWidget(new QLabel(QStringLiteral("建议图片高宽比率：7/10。"), this));
    auto *buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("确定[&O]"), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    clearButton = new QPushButton(QStringLiteral("清空[&C]"), this);
    buttons->addWidget(okButton);
    buttons->addWidget(closeButton);
    buttons->addWidget(clearButton);
    layout->addLayout(buttons);
    resize(520, height());

    m_form.load();
    pathEdit->setText(m_form.path);

    connect(browseButton, &QPushButton::clicked, this, [this] {
        const QString chosen = m_ctx.prompt().openFileName(
            QString(), pathEdit->text(), QStringLiteral("图片 (*.bmp *.jpg *.jpeg *.png *.gif)"));
        if (!chosen.isEmpty())
            pathEdit->setText(chosen);
    });
    connect(okButton, &QPushButton::clicked, this, [this] {
        m_form.path = pathEdit->text();
        if (m_form.confirm())
            accept();
    });
    connect(clearButton, &QPushButton::clicked, this, [this] {
        m_form.clear();
        accept();
    });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}
