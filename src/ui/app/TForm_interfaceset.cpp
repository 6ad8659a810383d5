#include "ui/app/TForm_interfaceset.h"

#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "ui/kit/ScreenKit.h"

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
    pathEdit = new QLineEdit(this);
    row->addWidget(ScreenKit::caption(pathEdit, QStringLiteral("背景图片位置：")));
    row->addWidget(pathEdit, 1);
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

    // The path, then "确定[&O]"; "..." beside the path is passed over by Enter.
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->field(pathEdit);
    keys->button(browseButton, [this] {
        const QString chosen = m_ctx.prompt().openFileName(
            QString(), pathEdit->text(), QStringLiteral("图片 (*.bmp *.jpg *.jpeg *.png *.gif)"));
        if (!chosen.isEmpty())
            pathEdit->setText(chosen);
    }, ScreenKit::Walk::Aside);
    keys->button(okButton, [this] {
        m_form.path = pathEdit->text();
        if (m_form.confirm())
            accept();
    });
    keys->button(closeButton, [this] { reject(); });
    keys->button(clearButton, [this] {
        m_form.clear();
        accept();
    });
    keys->run([this] { m_form.load(); });
    pathEdit->setText(m_form.path);
}
