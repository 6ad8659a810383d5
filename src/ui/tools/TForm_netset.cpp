#include "ui/tools/TForm_netset.h"

#include "ui/kit/ScreenKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_netset::TForm_netset(Prompter &prompter, const FeedbackProxy &proxy, QWidget *parent)
    : QDialog(parent), m_form(prompter, proxy)
{
    setWindowTitle(QStringLiteral("网络设置"));
    auto *layout = new QVBoxLayout(this);
    useProxy = new QCheckBox(QStringLiteral("使用代理服务器"), this);
    useProxy->setChecked(proxy.used());
    layout->addWidget(useProxy);
    auto *fields = new QGridLayout;
    hostEdit = new QLineEdit(proxy.host, this);
    portEdit = new QLineEdit(QString::number(proxy.port), this);
    fields->addWidget(ScreenKit::caption(hostEdit, QStringLiteral("代理服务器：")), 0, 0);
    fields->addWidget(hostEdit, 0, 1);
    fields->addWidget(ScreenKit::caption(portEdit, QStringLiteral("端口：")), 1, 0);
    fields->addWidget(portEdit, 1, 1);
    layout->addLayout(fields);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = new QPushButton(QStringLiteral("确定[&O]"), this);
    buttons->addWidget(okButton);
    layout->addLayout(buttons);
    resize(360, height());

    auto *keys = new ScreenKit(this, &prompter);
    keys->field(useProxy, {}, ScreenKit::Walk::Aside);
    keys->field(hostEdit);
    keys->field(portEdit);
    keys->button(okButton, [this] {
        if (m_form.confirm(useProxy->isChecked(), hostEdit->text(), portEdit->text()))
            accept();
        else
            ScreenKit::focus(portEdit);
    });
    keys->startAt(hostEdit);
}
